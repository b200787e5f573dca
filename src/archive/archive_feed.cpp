#include "archive/archive_feed.h"

#include "base/app_clock.h"
#include "station/group_table.h"

ArchiveFeed::ArchiveFeed(const StationData& data, const Settings& settings, QObject* parent)
    : QObject(parent), data_(data), settings_(settings) {
    ticker_.setInterval(5000);
    connect(&ticker_, &QTimer::timeout, this, &ArchiveFeed::tick);
    ticker_.start();
}

ArchiveFeed::~ArchiveFeed() {
    finish();
}

void ArchiveFeed::useStreamClock(const QDateTime& now, int startYear) {
    streamClock_.emplace(now, startYear);
    ticker_.stop();  // the stream's minutes end with the stream, not by the computer's clock
}

void ArchiveFeed::groupDecoded(std::uint8_t groupByte) {
    if (!settings_.ArchivAktiv || !groupFor(groupByte))
        return;
    if (streamClock_) {
        const auto at = streamClock_->at(data_.Record);
        if (!at)
            return;  // the stream's clock is not known yet
        hand(collector_.groupDecoded(groupByte, data_.Record, at->utc, at->utcOffset));
        return;
    }
    // UTC seconds from the clock; the local offset is looked up once a minute.
    const std::int64_t ms = AppClock::currentMSecsSinceEpoch();
    const std::int64_t at = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
    const std::int64_t minute = at - ((at % 60) + 60) % 60;
    if (minute != offsetMinute_) {
        offsetMinute_ = minute;
        offset_ = AppClock::currentDateTime().offsetFromUtc();
    }
    hand(collector_.groupDecoded(groupByte, data_.Record, at, offset_));
}

void ArchiveFeed::tick() {
    if (!streamClock_)
        hand(collector_.close(AppClock::currentMSecsSinceEpoch() / 1000));
}

void ArchiveFeed::endOfStream() {
    if (streamClock_)
        hand(collector_.close(0, true));
}

void ArchiveFeed::finish() {
    hand(collector_.close(0, true));
    if (writer_)
        writer_->finish();
}

void ArchiveFeed::hand(const std::optional<MinuteRow>& row) {
    if (!row)
        return;
    if (!writer_) {
        if (settings_.archivePath().isEmpty())
            return;
        writer_ = std::make_unique<ArchiveWriter>(settings_.archivePath());
        emit writerStarted(writer_.get());
    }
    writer_->submit(*row);
    ++minutesHanded_;
}
