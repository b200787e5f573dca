#include "archive/minute_collector.h"

#include "station/station_date.h"

std::optional<MinuteRow> MinuteCollector::groupDecoded(std::uint8_t groupByte,
                                                       const WeatherRecord& record, std::int64_t at,
                                                       std::int32_t utcOffset) {
    std::optional<MinuteRow> done;
    const std::int64_t minute = at - ((at % 60) + 60) % 60;
    if (pending_ && pending_->minute != minute) {
        done = pending_;
        pending_.reset();
    }
    if (!pending_) {
        pending_ = MinuteRow{};
        pending_->minute = minute;
        pending_->utcOffset = utcOffset;
    }
    takeGroupValues(*pending_, groupByte, record);
    return done;
}

std::optional<MinuteRow> MinuteCollector::close(std::int64_t now, bool force) {
    if (!pending_ || (!force && now < pending_->minute + 60))
        return std::nullopt;
    std::optional<MinuteRow> done = pending_;
    pending_.reset();
    return done;
}

std::optional<LocalTimeRun::Instant> StreamClock::at(const WeatherRecord& record) {
    const StationTime& t = record.Clock.Time;
    if (lastInstant_ && t.Second == lastRead_.Second && t.Minute == lastRead_.Minute &&
        t.Hour == lastRead_.Hour && t.Day == lastRead_.Day && t.Month == lastRead_.Month)
        return lastInstant_;  // the run reads a moment it has just read as the same instant
    lastInstant_ = read(t);
    lastRead_ = t;
    return lastInstant_;
}

std::optional<LocalTimeRun::Instant> StreamClock::read(const StationTime& t) {
    const QTime time(t.Hour, t.Minute, t.Second);
    if (t.Month == 0 || t.Day == 0 || !time.isValid())
        return std::nullopt;
    std::optional<QDate> date;
    if (lastDate_.isValid())
        date = NearestStationDate(t.Month, t.Day, lastDate_);
    else if (startYear_ > 0)
        date = QDate(startYear_, t.Month, t.Day);
    else
        date = PastStationDate(t.Month, t.Day, now_.date());
    if (!date || !date->isValid())
        return std::nullopt;  // 31 November, or 29 February of a year without one
    lastDate_ = *date;
    return run_.read(QDateTime(*date, time, Qt::UTC));  // as shown; a UTC mark costs no zone
}
