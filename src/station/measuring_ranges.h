// What the console can measure, per quantity and in the record's units. A value outside its range
// cannot come from a working sensor (it comes from a group whose checksum matched by chance), so
// the output files write it in their own form for "missing". docs/PROTOCOL.md names the source.
#pragma once

#include <cstdint>

struct MeasuringRange {
    std::int64_t lowest;
    std::int64_t highest;
    constexpr bool contains(std::int64_t value) const {
        return value >= lowest && value <= highest;
    }
};

namespace measuring {
inline constexpr MeasuringRange kHumidity{10, 97};               // %
inline constexpr MeasuringRange kIndoorTemp{0, 500};             // tenths of °C
inline constexpr MeasuringRange kOutdoorTemp{-400, 600};         // tenths of °C
inline constexpr MeasuringRange kIndoorDew{0, 47};               // °C
inline constexpr MeasuringRange kOutdoorDew{0, 56};              // °C
inline constexpr MeasuringRange kLocalPressure{795, 1050};       // mb
inline constexpr MeasuringRange kSeaLevelPressure{7950, 10500};  // tenths of mb
inline constexpr MeasuringRange kWindSpeed{0, 560};              // tenths of m/s
inline constexpr MeasuringRange kWindDirection{0, 359};          // degrees
inline constexpr MeasuringRange kWindchill{-85, 60};             // °C
inline constexpr MeasuringRange kRainRate{0, 998};               // mm/h
inline constexpr MeasuringRange kRainAmount{0, 9999};            // mm
}  // namespace measuring
