#include "archive/minute_collector.h"

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
    int year = lastMonth_ != 0 && t.Month < lastMonth_ ? year_ + 1 : year_;
    QDate date(year, t.Month, t.Day);
    const QTime time(t.Hour, t.Minute, t.Second);
    if (!date.isValid() || !time.isValid())
        return {};
    if (lastMonth_ == 0 && !given_ && QDateTime(date, time) > now_) {
        year -= 1;
        date = QDate(year, t.Month, t.Day);
        if (!date.isValid())
            return {};  // 29 February of a year without one
    }
    year_ = year;
    lastMonth_ = t.Month;
    return QDateTime(date, time);
}
