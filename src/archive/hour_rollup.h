// The hour and day tables beside the minutes: per UTC hour (and per local day) each quantity's
// lowest and highest value packed with its minute, the sums behind the daily means, the strongest
// gust with its direction and the rain from the total's rises. Kept up to date with every minute
// written, so that a year is read from 8,760 hours instead of 525,600 minutes, and ten years'
// records from 3,650 days.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include "archive/minute_row.h"

// Packing of a value with its minute, so that MIN and MAX find an extreme and its minute at once:
// the value above 32 bits, below it the minute (lows: the earliest of equal values) or its
// complement (highs: again the earliest).
namespace packing {
inline constexpr std::int64_t kMinuteMask = 4294967295LL;
// A gust: speed << 41 | ~minute << 9 | direction (511: none).
inline constexpr std::int64_t kGustShift = std::int64_t(1) << 41;
inline constexpr int kNoDirection = 511;
}  // namespace packing

// The quantities whose daily means are kept (sum and count per hour).
inline constexpr Quantity kMeanQuantities[] = {Quantity::OutdoorTemp, Quantity::OutdoorHum,
                                               Quantity::PressureSea, Quantity::AvgSpeed};

// The statement that creates the hour table and fills it from the minutes already there.
QString hourTableMigration();
// The statement that creates the day table beside it and fills it from the hours already there:
// per local day (the hour's offset decides, (hour + utc_offset) / 86400) the same columns summed
// up over its hours, its first and last hour, and its rain. So the records of ten years and the
// rain per day read 3,650 days instead of 87,600 hours.
QString dayTableMigration();

// After a mark changed what counts: the statements that fill the hours [:h0, :h1) again from the
// minutes of the view `clean_minutes` (the rows of those hours deleted before), their rain from the
// rises after the last total at :p0 (the row with a total before :h0, or :h0), and the days
// [:d0, :d1] again from their hours.
QString hourRebuildStatement();
QString hourRainRebuildStatement();
QString dayRebuildStatement();

// Adds one new minute row to its hour and its day (and moves the rain of the next row's rise when
// the row was put in between two others).
class HourRollup {
public:
    explicit HourRollup(QSqlDatabase& db);
    // Before the minute row is inserted: what its rain rise is and whom it changes.
    bool add(const MinuteRow& row, QSqlError* error);

private:
    QSqlDatabase db_;
    QSqlQuery upsert_, upsertDay_, previous_, next_, addRain_, addDayRain_;
    bool prepared_ = false;
};
