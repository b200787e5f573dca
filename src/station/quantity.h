// The station's measured quantities by name, in the order of the weather archive's columns, with
// the group that carries each. Whoever publishes a value names it this way and reads it through
// the quality gate (quality_gate.h).
#pragma once

#include <cstddef>

enum class Quantity {
    IndoorTemp,     // tenths of °C
    OutdoorTemp,    // tenths of °C
    IndoorHum,      // %
    OutdoorHum,     // %
    IndoorDew,      // °C
    OutdoorDew,     // °C
    PressureLocal,  // mb
    PressureSea,    // tenths of mb
    GustSpeed,      // tenths of m/s
    GustDir,        // degrees
    AvgSpeed,       // tenths of m/s
    AvgDir,         // degrees
    MinuteGust,     // tenths of m/s: the highest gust of the minute
    MinuteGustDir,  // degrees: its direction
    Windchill,      // °C
    RainRate,       // mm/h
    RainTotal,      // mm: the console's total
    RainYesterday,  // mm: the console's rain of yesterday (not archived)
};

// The quantities the archive keeps, one column each: all above up to RainTotal.
inline constexpr int kQuantityCount = 17;

// Index of the group that carries the quantity (0 = 0x8F ... 4 = 0xCF).
constexpr std::size_t groupIndexOf(Quantity q) {
    switch (q) {
        case Quantity::IndoorHum:
        case Quantity::OutdoorHum:
            return 0;
        case Quantity::IndoorTemp:
        case Quantity::OutdoorTemp:
            return 1;
        case Quantity::IndoorDew:
        case Quantity::OutdoorDew:
        case Quantity::PressureLocal:
        case Quantity::PressureSea:
            return 2;
        case Quantity::RainRate:
        case Quantity::RainTotal:
        case Quantity::RainYesterday:
            return 3;
        default:
            return 4;
    }
}
