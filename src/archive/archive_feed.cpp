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
    const QDateTime at =
        streamClock_ ? streamClock_->at(data_.Record) : AppClock::currentDateTime();
    if (!at.isValid())
        return;  // the stream's clock is not known yet
    hand(collector_.groupDecoded(groupByte, data_.Record, at));
}

void ArchiveFeed::tick() {
    if (!streamClock_)
        hand(collector_.close(AppClock::currentDateTime()));
}

void ArchiveFeed::finish() {
    hand(collector_.close({}, true));
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
}
