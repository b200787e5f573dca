#include "archive/verlauf_series.h"

#include <algorithm>

namespace {
std::int64_t floorTo(std::int64_t t, std::int64_t step) {
    return t - ((t % step) + step) % step;
}
}  // namespace

std::vector<Stretch> splitAtGaps(const std::vector<SeriesPoint>& points, std::int64_t gap) {
    std::vector<Stretch> stretches;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i == 0 || points[i].minute - points[i - 1].minute > gap)
            stretches.push_back({i, i});
        stretches.back().end = i + 1;
    }
    return stretches;
}

void VerlaufSeries::load(ArchiveReader& reader, const VerlaufRange& next,
                         const std::vector<Quantity>& wanted, int maxPoints) {
    range = next;
    quantities = wanted;
    bucket = reductionBucket(next.length(), maxPoints);
    const auto read = reader.reducedSeries(quantities, range.from, range.to, bucket);
    for (auto& p : points)
        p.clear();
    for (std::size_t i = 0; i < quantities.size() && i < read.size(); ++i)
        points[std::size_t(quantities[i])] = read[i];
    rainBucket = range.rainBucketSeconds();
    rain = reader.rainPerBucket(range.from, range.to, rainBucket);
}

bool VerlaufSeries::advance(ArchiveReader& reader, const VerlaufRange& next) {
    if (next.length() != range.length() || next.from < range.from || next.to < range.to)
        return false;
    // Whole buckets between the new range's first bucket and the old range's last one stay; the
    // two ends are read again.
    const std::int64_t keepFrom = floorTo(next.from, bucket) + bucket;
    const std::int64_t keepTo = floorTo(range.to - 1, bucket);
    if (keepFrom >= keepTo)
        return false;
    const auto head = reader.reducedSeries(quantities, next.from, keepFrom, bucket);
    const auto tail = reader.reducedSeries(quantities, keepTo, next.to, bucket);
    for (std::size_t i = 0; i < quantities.size(); ++i) {
        std::vector<SeriesPoint>& old = points[std::size_t(quantities[i])];
        std::vector<SeriesPoint> joined;
        joined.reserve(old.size() + 4);
        if (i < head.size())
            joined = head[i];
        for (const SeriesPoint& p : old)
            if (p.minute >= keepFrom && p.minute < keepTo)
                joined.push_back(p);
        if (i < tail.size())
            joined.insert(joined.end(), tail[i].begin(), tail[i].end());
        old = std::move(joined);
    }
    range = next;
    // The rain bars are few (hours of a week, days of a year): read again.
    rain = reader.rainPerBucket(range.from, range.to, rainBucket);
    return true;
}
