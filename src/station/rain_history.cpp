#include "station/rain_history.h"

namespace {
// Kept a little longer than the longest span asked for (24 hours), so that its first rise has the
// total before it.
constexpr std::int64_t kKeptSeconds = 25 * 3600;

std::int64_t minuteStart(std::int64_t utcSeconds) {
    return utcSeconds - ((utcSeconds % 60) + 60) % 60;
}
}  // namespace

void RainHistory::note(std::int64_t utcSeconds, std::int32_t total) {
    const std::int64_t minute = minuteStart(utcSeconds);
    if (!minutes_.empty() && minute < minutes_.back().minute)
        return;
    if (!minutes_.empty() && minutes_.back().minute == minute) {
        // Within a minute a reset and new rain can follow each other: keep what was counted before
        // the fall as a minute of its own, so the rise before the reset is not lost.
        if (total < minutes_.back().total)
            minutes_.push_back({minute, total});
        else
            minutes_.back().total = total;
    } else {
        minutes_.push_back({minute, total});
    }
    // The last minute before the kept span stays: it is the total the span's first rise starts
    // from.
    while (minutes_.size() > 1 && minutes_[1].minute <= minute - kKeptSeconds)
        minutes_.pop_front();
}

std::optional<std::int32_t> RainHistory::rainAfter(std::int64_t fromUtcSeconds) const {
    if (minutes_.empty())
        return std::nullopt;
    std::int32_t rain = 0;
    for (std::size_t i = 1; i < minutes_.size(); ++i) {
        if (minutes_[i].minute < fromUtcSeconds)
            continue;
        const std::int32_t before = minutes_[i - 1].total;
        const std::int32_t now = minutes_[i].total;
        rain += now >= before ? now - before : now;
    }
    return rain;
}
