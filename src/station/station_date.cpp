#include "station/station_date.h"

#include <cstdlib>

namespace {
// Years searched either way: a 29 February may need eight (1896 to 1904).
constexpr int kLeapReach = 8;

std::optional<QTime> timeOf(const StationTime& t, bool withSeconds) {
    const QTime time(t.Hour, t.Minute, withSeconds ? t.Second : 0);
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}
}  // namespace

std::optional<QDate> NearestStationDate(int month, int day, const QDate& reference) {
    std::optional<QDate> best;
    for (int year = reference.year() - 1; year <= reference.year() + 1; ++year) {
        const QDate date(year, month, day);
        // The earlier of two equally near dates wins (the loop runs forward).
        if (date.isValid() &&
            (!best || std::llabs(reference.daysTo(date)) < std::llabs(reference.daysTo(*best))))
            best = date;
    }
    return best;
}

std::optional<QDate> PastStationDate(int month, int day, const QDate& latest) {
    for (int year = latest.year(); year >= latest.year() - kLeapReach; --year) {
        const QDate date(year, month, day);
        if (date.isValid() && date <= latest)
            return date;
    }
    return std::nullopt;
}

std::optional<QDate> StationClockDate(const StationTime& clock, const QDate& today) {
    if (clock.Month == 0 || clock.Day == 0)
        return std::nullopt;
    return NearestStationDate(clock.Month, clock.Day, today);
}

std::optional<QDateTime> StationClockMoment(const StationTime& clock, const QDateTime& now) {
    const auto date = StationClockDate(clock, now.date());
    const auto time = timeOf(clock, true);
    if (!date || !time)
        return std::nullopt;
    return QDateTime(*date, *time);
}

std::optional<QDateTime> StationStampMoment(const StationTime& stamp, const StationTime& clock,
                                            const QDateTime& now) {
    if (stamp.Month == 0 || stamp.Day == 0)
        return std::nullopt;
    const QDate reference = StationClockDate(clock, now.date()).value_or(now.date());
    const auto date = PastStationDate(stamp.Month, stamp.Day, reference.addDays(1));
    const auto time = timeOf(stamp, false);
    if (!date || !time)
        return std::nullopt;
    return QDateTime(*date, *time);
}
