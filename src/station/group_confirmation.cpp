#include "station/group_confirmation.h"

#include <cstdlib>

#include "station/quality_gate.h"

namespace {

struct Limit {
    Quantity quantity;
    std::int32_t most;  // the largest change between two groups of a kind, in the record's units
};

constexpr std::int32_t kAny = 1 << 30;  // any change, as long as the value stays measured

// Per group kind, the quantities compared and how far each may move between two groups. The
// console sends each group every few seconds; a change beyond these in that time is no weather.
constexpr Limit k8F[] = {{Quantity::IndoorHum, 20}, {Quantity::OutdoorHum, 20}};
constexpr Limit k9F[] = {{Quantity::IndoorTemp, 30}, {Quantity::OutdoorTemp, 50}};
constexpr Limit kAF[] = {{Quantity::PressureLocal, 5},
                         {Quantity::PressureSea, 50},
                         {Quantity::IndoorDew, 5},
                         {Quantity::OutdoorDew, 8}};
constexpr Limit kBF[] = {{Quantity::RainRate, kAny}, {Quantity::RainYesterday, 0}};
constexpr Limit kCF[] = {{Quantity::GustSpeed, 200},
                         {Quantity::AvgSpeed, 150},
                         {Quantity::GustDir, kAny},
                         {Quantity::AvgDir, kAny},
                         {Quantity::Windchill, 10}};

// The rain total only ever rises, and not by more than this between two rain groups (mm). A total
// that falls was reset; that too needs the next group to say so.
constexpr std::int32_t kMostRainRise = 25;

// The station clock may run on by this much between two clock groups, and never back.
constexpr std::int64_t kMostClockStep = 15 * 60;

template <std::size_t N>
bool anyJumps(const Limit (&limits)[N], const WeatherRecord& before, const WeatherRecord& after) {
    for (const Limit& limit : limits) {
        const Measured a = measuredInRecord(before, limit.quantity);
        const Measured b = measuredInRecord(after, limit.quantity);
        if (a.has_value() != b.has_value())
            return true;
        if (a && std::abs(std::int64_t(*b) - std::int64_t(*a)) > limit.most)
            return true;
    }
    return false;
}

// Seconds from the start of a leap year to the station time; good for differences of a few
// minutes, with New Year's Eve to New Year's Day taken as a step of seconds.
std::int64_t secondsInYear(const StationTime& t) {
    static constexpr int kDaysBefore[13] = {0,   0,   31,  60,  91,  121, 152,
                                            182, 213, 244, 274, 305, 335};
    const std::int64_t day = kDaysBefore[t.Month] + t.Day - 1;
    return ((day * 24 + t.Hour) * 60 + t.Minute) * 60 + t.Second;
}

bool clockJumps(const StationTime& before, const StationTime& after) {
    const bool wasValid = stationClockValid(before);
    if (wasValid != stationClockValid(after))
        return true;
    if (!wasValid)
        return false;
    constexpr std::int64_t kYear = 366 * 24 * 3600;
    std::int64_t step = secondsInYear(after) - secondsInYear(before);
    if (step < -kYear / 2)
        step += kYear;  // over New Year
    return step < 0 || step > kMostClockStep;
}

bool rainTotalJumps(const WeatherRecord& before, const WeatherRecord& after) {
    const Measured a = measuredInRecord(before, Quantity::RainTotal);
    const Measured b = measuredInRecord(after, Quantity::RainTotal);
    if (a.has_value() != b.has_value())
        return true;
    return a && (*b < *a || *b - *a > kMostRainRise);
}

}  // namespace

bool GroupConfirmation::jumps(int groupIndex, const WeatherRecord& before,
                              const WeatherRecord& after) {
    switch (groupIndex) {
        case 0:
            return anyJumps(k8F, before, after) || clockJumps(before.Clock.Time, after.Clock.Time);
        case 1:
            return anyJumps(k9F, before, after);
        case 2:
            return anyJumps(kAF, before, after);
        case 3:
            return anyJumps(kBF, before, after) || rainTotalJumps(before, after);
        case 4:
            return anyJumps(kCF, before, after);
        default:
            return false;
    }
}

GroupConfirmation::Verdict GroupConfirmation::judge(int groupIndex, const WeatherRecord& accepted,
                                                    const WeatherRecord& candidate) {
    const auto i = static_cast<std::size_t>(groupIndex);
    Verdict verdict;
    if (!seen_[i]) {
        seen_[i] = true;
        return verdict;
    }
    if (waiting_[i]) {
        const bool confirms = !jumps(groupIndex, *waiting_[i], candidate);
        waiting_[i].reset();
        if (confirms) {
            verdict.confirmedHeld = true;
            return verdict;
        }
        verdict.droppedHeld = true;
        ++dropped_[i];
    }
    if (jumps(groupIndex, accepted, candidate)) {
        waiting_[i] = candidate;
        ++held_[i];
        verdict.accept = false;
    }
    return verdict;
}
