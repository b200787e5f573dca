#include "station/local_time_run.h"

#include <ctime>
#include <vector>

namespace {
constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 86400;

// The zone's offset at `utc`. localtime_r reads the zone as the C library last loaded it and,
// unlike a local QDateTime (which calls tzset and so looks at the zone file on the disk each
// time), costs no system call: a replayed year asks this some two million times.
std::int32_t offsetAt(std::int64_t utc) {
    const std::time_t t = static_cast<std::time_t>(utc);
    std::tm parts{};
    if (localtime_r(&t, &parts) == nullptr)
        return QDateTime::fromSecsSinceEpoch(utc, Qt::LocalTime).offsetFromUtc();
    return static_cast<std::int32_t>(parts.tm_gmtoff);
}

// The UTC instants at which the local clock shows `shown`: one, two in the hour an autumn change
// repeats, none in the hour a spring change skips. Earliest first.
std::vector<std::int64_t> readings(std::int64_t shown) {
    std::vector<std::int64_t> found;
    for (const std::int64_t offset : {offsetAt(shown - kDay), offsetAt(shown + kDay)}) {
        const std::int64_t utc = shown - offset;
        if (offsetAt(utc) == offset && (found.empty() || found.front() != utc))
            found.push_back(utc);
    }
    if (found.size() == 2 && found[1] < found[0])
        std::swap(found[0], found[1]);
    return found;
}
}  // namespace

LocalTimeRun::Instant LocalTimeRun::read(const QDateTime& local) {
    const std::int64_t shown = QDateTime(local.date(), local.time(), Qt::UTC).toSecsSinceEpoch();
    const std::vector<std::int64_t> zone = readings(shown);
    const auto take = [&](std::int64_t utc) {
        started_ = true;
        lastShown_ = shown;
        lastUtc_ = utc;
        runOffset_ = shown - utc;
        return Instant{utc, offsetAt(utc)};
    };
    const std::int64_t step = shown - lastShown_;
    if (started_ && step >= -kHour && step <= kDay) {
        const std::int64_t own = shown - runOffset_;
        if (step == 0)
            return take(lastUtc_);
        for (const std::int64_t utc : zone)
            if (utc == own && own > lastUtc_)
                return take(own);
        for (const std::int64_t utc : zone)
            if (utc > lastUtc_)
                return take(utc);
        if (own > lastUtc_)
            return take(own);
    }
    return take(zone.empty() ? shown - offsetAt(shown - kDay) : zone.front());
}
