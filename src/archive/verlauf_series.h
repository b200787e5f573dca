// The "Verlauf" charts' data for one range: every quantity's reduced series over buckets counted
// from 1970 (so that a minute lies in the same bucket whatever the range), read in one query, and
// the rain per hour or day. While the range follows now, the next range is reached by reading only
// its first and last bucket again, which gives the same points as reading it whole.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "archive/archive_queries.h"
#include "archive/verlauf_range.h"

// A run of points without a gap, [begin, end) of the points.
struct Stretch {
    std::size_t begin = 0, end = 0;
};
// Where a line breaks: two points further apart than `gap` seconds lie in different stretches,
// so that a time without data stays empty instead of being bridged by a straight line.
std::vector<Stretch> splitAtGaps(const std::vector<SeriesPoint>& points, std::int64_t gap);

struct VerlaufSeries {
    VerlaufRange range;
    std::int64_t bucket = 60;  // seconds of one bucket of the reduced series
    std::vector<Quantity> quantities;
    std::array<std::vector<SeriesPoint>, kQuantityCount> points;  // by quantity
    int rainBucket = 3600;
    std::vector<std::pair<std::int64_t, std::int32_t>> rain;  // see ArchiveReader::rainPerBucket

    const std::vector<SeriesPoint>& operator[](Quantity q) const { return points[std::size_t(q)]; }
    // The gap that breaks a line: two buckets without data in a row (three minutes at least).
    std::int64_t gap() const { return std::max<std::int64_t>(180, 2 * bucket); }

    // Reads `range` whole, with about `maxPoints` points per series.
    void load(ArchiveReader& reader, const VerlaufRange& range,
              const std::vector<Quantity>& quantities, int maxPoints);
    // Moves on to `next` (the same length, later) by reading only its first and its last bucket
    // again; false, with nothing changed, where it has to be read whole.
    bool advance(ArchiveReader& reader, const VerlaufRange& next);
};
