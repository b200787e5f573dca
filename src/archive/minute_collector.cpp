#include "archive/minute_collector.h"

#include "station/station_date.h"

std::optional<MinuteRow> MinuteCollector::groupDecoded(std::uint8_t groupByte,
                                                       const WeatherRecord& record,
                                                       const QDateTime& at) {
    std::optional<MinuteRow> done;
    const std::int64_t minute = minuteOf(at);
    if (pending_ && pending_->minute != minute) {
        done = pending_;
        pending_.reset();
    }
    if (!pending_) {
        pending_ = MinuteRow{};
        pending_->minute = minute;
        pending_->utcOffset = at.offsetFromUtc();
    }
    takeGroupValues(*pending_, groupByte, record);
    return done;
}

std::optional<MinuteRow> MinuteCollector::close(const QDateTime& now, bool force) {
    if (!pending_ || (!force && now.toSecsSinceEpoch() < pending_->minute + 60))
        return std::nullopt;
    std::optional<MinuteRow> done = pending_;
    pending_.reset();
    return done;
}

QDateTime StreamClock::at(const WeatherRecord& record) {
    const StationTime& t = record.Clock.Time;
    const QTime time(t.Hour, t.Minute, t.Second);
    if (t.Month == 0 || t.Day == 0 || !time.isValid())
        return {};
    std::optional<QDate> date;
    if (lastDate_.isValid())
        date = NearestStationDate(t.Month, t.Day, lastDate_);
    else if (startYear_ > 0)
        date = QDate(startYear_, t.Month, t.Day);
    else
        date = PastStationDate(t.Month, t.Day, now_.date());
    if (!date || !date->isValid())
        return {};  // 31 November, or 29 February of a year without one
    lastDate_ = *date;
    const LocalTimeRun::Instant instant = run_.read(QDateTime(*date, time));
    return QDateTime::fromSecsSinceEpoch(instant.utc, Qt::LocalTime);
}
