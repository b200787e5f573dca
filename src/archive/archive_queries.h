// What the charts, the records and the exports read from the archive: each computed in SQL over
// the minute key and the hour and day tables (hour_rollup.h), so that a year costs a pass over its
// 8,760 hours (its 365 days for the records, daily values and rain per day), the records of ten
// years a pass over their days, and nothing loads every row into memory (the minute export hands
// the rows on one at a time). The parts of hours at a range's ends are read from the minutes, the
// rain too. Values marked "ungültig" (archive_marks.h) are left out everywhere: the minutes are
// read through the view without them, and the hours and days are rebuilt when a mark changes.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "archive/archive_marks.h"
#include "archive/minute_row.h"

class PreparedStatements;

// A value and the minute it was reached (UTC seconds).
struct TimedValue {
    std::int32_t value = 0;
    std::int64_t minute = 0;
};

// One point of a reduced series.
struct SeriesPoint {
    std::int64_t minute = 0;
    std::int32_t value = 0;
};

// A gust with its direction (nullopt when no direction came with it).
struct TimedGust {
    TimedValue speed;
    std::optional<std::int32_t> direction;
};

// The summary of one local day.
struct DaySummary {
    QDate day;
    std::optional<TimedValue> tempHigh, tempLow;  // outdoor, tenths of °C
    std::optional<double> tempMean;               // tenths of °C
    std::optional<double> humidityMean;           // %
    std::optional<double> pressureMean;           // sea level, tenths of mb
    std::optional<double> windMean;               // average speed, tenths of m/s
    std::optional<TimedGust> gust;                // the minute's highest gusts, tenths of m/s
    std::optional<std::int32_t> rain;             // mm from the total's rises
    int minutes = 0;                              // rows of the day
};

// The records of one period.
struct PeriodRecords {
    std::optional<TimedValue> tempHigh, tempLow;
    std::optional<TimedGust> gust;
    std::optional<DaySummary> wettestDay;  // the day with the most rain (its rain and date)
};

class ArchiveReader {
public:
    // Opens the archive at `path` on a connection of its own (for the thread that calls).
    explicit ArchiveReader(const QString& path);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    bool isOpen() const { return open_; }
    QString error() const { return error_; }

    // The minutes [from, to) of one quantity reduced to about `maxPoints` points: the range is
    // cut into buckets (reductionBucket), and each bucket with data gives its lowest and its
    // highest value at the minutes they were reached, in time order. No peak is lost however long
    // the range.
    std::vector<SeriesPoint> reducedSeries(Quantity q, std::int64_t from, std::int64_t to,
                                           int maxPoints);
    // The same for several quantities at once, in one pass over the rows, with buckets of
    // `bucketSeconds` counted from 1970 (reductionBucket): one series per quantity asked for.
    std::vector<std::vector<SeriesPoint>> reducedSeries(const std::vector<Quantity>& quantities,
                                                        std::int64_t from, std::int64_t to,
                                                        std::int64_t bucketSeconds);
    // One summary per local day that has rows in [from, to), oldest first. The rain of a day is
    // the sum of the total's rises from one row to the next; a total that falls (the station's
    // total was reset) counts its new value as the rain since the reset.
    std::vector<DaySummary> dailySummaries(std::int64_t from, std::int64_t to);
    // The records of [from, to).
    PeriodRecords records(std::int64_t from, std::int64_t to);
    // Every row of [from, to), oldest first.
    void forEachMinute(std::int64_t from, std::int64_t to,
                       const std::function<void(const MinuteRow&)>& row);
    // The rain per local hour (bucketSeconds 3600) or day (86400) of [from, to): the bucket's start
    // (local time as UTC seconds, i.e. minute + offset rounded down) and its millimetres, for the
    // buckets that have rain rows.
    std::vector<std::pair<std::int64_t, std::int32_t>> rainPerBucket(std::int64_t from,
                                                                     std::int64_t to,
                                                                     int bucketSeconds);
    // The row of this minute, or the nearest one before it within `reach` seconds.
    std::optional<MinuteRow> minuteAt(std::int64_t minute, std::int64_t reach = 0);
    // The rain that fell in a minute (the total's rise from the row before it, within ten minutes;
    // a total that fell counts its new value) and in the UTC hour that holds it. Nothing where the
    // archive cannot tell.
    struct RainAround {
        std::optional<std::int32_t> minute;
        std::optional<std::int32_t> hour;
    };
    RainAround rainAround(const MinuteRow& row);
    // The spans marked "ungültig" that overlap [from, to) (every query above leaves their values
    // out; this says which were left out).
    std::vector<MarkedSpan> marks(std::int64_t from, std::int64_t to);
    // The first and last minute in the archive (nullopt when empty).
    std::optional<std::pair<std::int64_t, std::int64_t>> extent();

private:
    QString connection_;
    QString error_;
    bool open_ = false;
    std::unique_ptr<PreparedStatements> statements_;
};

// The bucket of a reduced series that gives about `maxPoints` points (a low and a high per
// bucket) over `length` seconds: whole minutes, and whole hours from an hour on, so that a bucket
// of hours holds whole rows of the hour table.
std::int64_t reductionBucket(std::int64_t length, int maxPoints);

// The local day of a minute with its offset.
QDate localDayOf(std::int64_t minute, std::int32_t utcOffset);
