#include "outputs/station_date_time.h"

#include "station/station_date.h"

QDateTime StationDateTime(std::uint8_t day, std::uint8_t month, std::uint8_t hour,
                          std::uint8_t minute, const QDateTime& now, std::uint8_t second) {
    StationTime clock;
    clock.Second = second;
    clock.Minute = minute;
    clock.Hour = hour;
    clock.Day = day;
    clock.Month = month;
    return StationClockMoment(clock, now).value_or(now);
}

QDateTime StationDateTime(const StationTime& time, const QDateTime& now) {
    return StationDateTime(time.Day, time.Month, time.Hour, time.Minute, now);
}

QDateTime StationStampDateTime(const StationTime& stamp, const StationTime& clock,
                               const QDateTime& now) {
    return StationStampMoment(stamp, clock, now).value_or(now);
}
