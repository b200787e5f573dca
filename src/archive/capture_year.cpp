#include "archive/capture_year.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "archive/minute_collector.h"
#include "station/group_scanner.h"
#include "station/station_date.h"

namespace {

struct ClockSpan {
    std::optional<StationTime> first;
    std::optional<LocalTimeRun::Instant> last;
};

// Runs the capture's good clock groups through a stream clock that starts in `startYear` (0: the
// latest year that puts the first date not after `now`); false when the file cannot be read.
bool readClockSpan(const QString& path, const QDateTime& now, int startYear, ClockSpan* span) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    StreamClock clock(now, startYear);
    WeatherRecord record;
    GroupScanner scanner;
    scanner.onCandidate = [&](const GroupScanner::Candidate& c) {
        if (!c.ok || c.group.groupByte != 0x8F)
            return;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(c.body.data());
        c.group.decode(GroupBody(bytes, decodedBodySize(c.group)), record);
        if (const auto at = clock.at(record)) {
            if (!span->first)
                span->first = record.Clock.Time;
            span->last = at;
        }
    };
    constexpr qint64 kChunk = 1 << 20;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty())
            return false;
        scanner.feed(chunk);
    }
    return true;
}

}  // namespace

int captureStartYear(const QString& path, const QDateTime& now) {
    if (!QFileInfo(path).isFile())
        return 0;
    ClockSpan span;
    if (!readClockSpan(path, now, 0, &span) || !span.first || !span.last)
        return 0;
    const std::optional<QDate> start =
        PastStationDate(span.first->Month, span.first->Day, now.date());
    if (!start)
        return 0;
    if (span.last->utc <= now.toSecsSinceEpoch())
        return start->year();
    return start->year() - 1;
}
