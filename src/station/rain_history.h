// The rain the station's total has counted over the last day: the last total of every minute in
// which a rain group arrived, kept for a little more than 24 hours. The rain of a span is the sum
// of the total's rises inside it; a total that falls was reset (or ran over 9999 mm), and what it
// shows after the fall counts as new rain.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

class RainHistory {
public:
    // A total the quality gate accepted, at `utcSeconds`. Earlier times than the last noted one
    // are ignored (a clock set back does not rewrite the past).
    void note(std::int64_t utcSeconds, std::int32_t total);

    // The rain after `fromUtcSeconds` up to the last noted total, in the total's counts; missing
    // while no total has been noted. A span that begins before the first noted total counts from
    // that total.
    std::optional<std::int32_t> rainAfter(std::int64_t fromUtcSeconds) const;

    bool empty() const { return minutes_.empty(); }
    void clear() { minutes_.clear(); }

private:
    struct Minute {
        std::int64_t minute;  // UTC seconds at the start of the minute
        std::int32_t total;
    };
    std::deque<Minute> minutes_;
};
