// Phantom groups: a damaged group whose one-byte checksum matches by chance can hold values that
// look real. The console repeats every group every few seconds, so a real change is confirmed at
// once: a group whose values jump further than the weather can between two groups of its kind is
// held until the next group of that kind confirms it (its values lie near the held ones), and
// dropped when that group does not. docs/PROTOCOL.md lists the limits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "station/weather_record.h"

class GroupConfirmation {
public:
    struct Verdict {
        bool accept = true;          // decode the group into the record now
        bool confirmedHeld = false;  // it confirmed the group held before it
        bool droppedHeld = false;    // the group held before it was not confirmed and is dropped
    };

    // `accepted`: the record as the groups accepted so far left it; `candidate`: the same record
    // with this group (index 0 = 0x8F ... 4 = 0xCF) decoded into it. The first group of a kind is
    // accepted as it comes.
    Verdict judge(int groupIndex, const WeatherRecord& accepted, const WeatherRecord& candidate);

    // Whether `after` jumps from `before` in the values of the group, beyond what the weather can
    // do between two groups of its kind.
    static bool jumps(int groupIndex, const WeatherRecord& before, const WeatherRecord& after);

    // Groups held so far, and of them the ones dropped, per group kind.
    const std::array<std::uint64_t, 5>& held() const { return held_; }
    const std::array<std::uint64_t, 5>& dropped() const { return dropped_; }

private:
    std::array<bool, 5> seen_{};
    std::array<std::optional<WeatherRecord>, 5> waiting_;
    std::array<std::uint64_t, 5> held_{};
    std::array<std::uint64_t, 5> dropped_{};
};
