#include "archive/minute_row.h"

#include "station/quality_gate.h"

namespace {
constexpr std::array<const char*, kQuantityCount> kColumns = {
    "indoor_temp",    "outdoor_temp",    "indoor_hum", "outdoor_hum", "indoor_dew", "outdoor_dew",
    "pressure_local", "pressure_sea",    "gust_speed", "gust_dir",    "avg_speed",  "avg_dir",
    "minute_gust",    "minute_gust_dir", "windchill",  "rain_rate",   "rain_total"};

void put(MinuteRow& row, Quantity q, const WeatherRecord& record) {
    row[q] = measuredInRecord(record, q);
}
}  // namespace

const char* quantityColumn(Quantity q) {
    return kColumns[std::size_t(q)];
}

void takeGroupValues(MinuteRow& row, std::uint8_t groupByte, const WeatherRecord& r) {
    switch (groupByte) {
        case 0x8F:
            put(row, Quantity::IndoorHum, r);
            put(row, Quantity::OutdoorHum, r);
            row.groups |= 1u << 0;
            break;
        case 0x9F:
            put(row, Quantity::IndoorTemp, r);
            put(row, Quantity::OutdoorTemp, r);
            row.groups |= 1u << 1;
            break;
        case 0xAF:
            put(row, Quantity::PressureLocal, r);
            put(row, Quantity::PressureSea, r);
            put(row, Quantity::IndoorDew, r);
            put(row, Quantity::OutdoorDew, r);
            row.groups |= 1u << 2;
            break;
        case 0xBF:
            put(row, Quantity::RainRate, r);
            put(row, Quantity::RainTotal, r);
            row.groups |= 1u << 3;
            break;
        case 0xCF: {
            put(row, Quantity::GustSpeed, r);
            put(row, Quantity::GustDir, r);
            put(row, Quantity::AvgSpeed, r);
            put(row, Quantity::AvgDir, r);
            put(row, Quantity::Windchill, r);
            const auto& gust = row[Quantity::GustSpeed];
            auto& highest = row[Quantity::MinuteGust];
            if (gust && (!highest || *gust > *highest)) {
                highest = gust;
                row[Quantity::MinuteGustDir] = row[Quantity::GustDir];
            }
            row.groups |= 1u << 4;
            break;
        }
        default:
            break;
    }
}

std::int64_t minuteOf(const QDateTime& at) {
    const std::int64_t seconds = at.toSecsSinceEpoch();
    return seconds - ((seconds % 60) + 60) % 60;
}
