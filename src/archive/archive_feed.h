// Feeds the archive from the station road: every good group of either road goes into its minute's
// row, and each finished row goes to the writer. The minute comes from the application clock, or,
// for a replayed capture, from the station clock in the stream itself. Runs whether or not "Aktiv"
// is on, as long as the setting ArchivAktiv is.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "archive/archive_writer.h"
#include "archive/minute_collector.h"
#include "config/settings.h"
#include "station/weather_record.h"

class ArchiveFeed : public QObject {
    Q_OBJECT
public:
    ArchiveFeed(const StationData& data, const Settings& settings, QObject* parent = nullptr);
    ~ArchiveFeed() override;

    // Takes the minutes from the station clock of the stream, starting in `startYear` (0: the
    // year StreamClock guesses from now).
    void useStreamClock(const QDateTime& now, int startYear = 0);

    // A good group of this kind has been decoded (0 and other bytes are ignored).
    void groupDecoded(std::uint8_t groupByte);
    // Closes a minute that is over by the application clock (called every few seconds).
    void tick();
    // The end of the run: the minute in progress is written, and the writer makes its last attempt
    // at every waiting row (what is left is told of once).
    void finish();

    // The end of a replayed stream read by its own clock: its last minute is complete.
    void endOfStream();
    // Minutes handed to the archive's writer so far.
    qint64 minutesHanded() const { return minutesHanded_; }

    // The writer, once a first row has been handed over (nullptr before).
    ArchiveWriter* writer() { return writer_.get(); }

signals:
    // The archive's writer has come into being (windows that follow the archive connect to it).
    void writerStarted(ArchiveWriter* writer);

private:
    void hand(const std::optional<MinuteRow>& row);

    const StationData& data_;
    const Settings& settings_;
    MinuteCollector collector_;
    std::optional<StreamClock> streamClock_;
    std::int64_t offsetMinute_ = -1;  // the minute whose local offset is offset_
    std::int32_t offset_ = 0;
    qint64 minutesHanded_ = 0;
    std::unique_ptr<ArchiveWriter> writer_;
    QTimer ticker_;
};
