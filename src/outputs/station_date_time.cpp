#include "outputs/station_date_time.h"

QDateTime StationDateTime(std::uint8_t day, std::uint8_t month, std::uint8_t hour,
                          std::uint8_t minute, const QDateTime& now, std::uint8_t second) {
    const QDate date(now.date().year(), month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return now;
    return QDateTime(date, time);
}

QDateTime StationDateTime(const StationTime& time, const QDateTime& now) {
    return StationDateTime(time.Day, time.Month, time.Hour, time.Minute, now);
}
