// The ticks of the "Verlauf" charts' time axis: on whole local hours, midnights or the starts of
// months, as many as the axis has room for, each with its label.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

struct TimeTick {
    std::int64_t at = 0;  // UTC seconds
    QString label;

    bool operator==(const TimeTick&) const = default;
};

// The ticks inside [from, to], no more than `maxTicks`: the shortest step among 1, 2, 3, 6 and 12
// hours ("HH:mm", a midnight "dd.MM."), 1, 2 and 7 days (midnights, the weekly ones on Mondays,
// "dd.MM.") and 1, 2, 3 and 6 months (their first days, "dd.MM.yy") that gives no more than that.
std::vector<TimeTick> timeTicks(std::int64_t from, std::int64_t to, int maxTicks);
