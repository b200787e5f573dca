#include "archive/minute_row.h"

#include "station/measuring_ranges.h"

namespace {
constexpr std::array<const char*, kQuantityCount> kColumns = {
    "indoor_temp",    "outdoor_temp",    "indoor_hum", "outdoor_hum", "indoor_dew", "outdoor_dew",
    "pressure_local", "pressure_sea",    "gust_speed", "gust_dir",    "avg_speed",  "avg_dir",
    "minute_gust",    "minute_gust_dir", "windchill",  "rain_rate",   "rain_total"};

void put(MinuteRow& row, Quantity q, const MeasuringRange& range, std::int64_t value) {
    if (range.contains(value))
        row[q] = std::int32_t(value);
    else
        row[q].reset();
}
}  // namespace

const char* quantityColumn(Quantity q) {
    return kColumns[std::size_t(q)];
}

void takeGroupValues(MinuteRow& row, std::uint8_t groupByte, const WeatherRecord& r) {
    using namespace measuring;
    switch (groupByte) {
        case 0x8F:
            put(row, Quantity::IndoorHum, kHumidity,
                r.IndoorHum.OutOfRange ? -1 : r.IndoorHum.Current);
            put(row, Quantity::OutdoorHum, kHumidity,
                r.OutdoorHum.OutOfRange ? -1 : r.OutdoorHum.Current);
            row.groups |= 1u << 0;
            break;
        case 0x9F:
            put(row, Quantity::IndoorTemp, kIndoorTemp, r.IndoorTemp.Current);
            put(row, Quantity::OutdoorTemp, kOutdoorTemp, r.OutdoorTemp.Current);
            row.groups |= 1u << 1;
            break;
        case 0xAF:
            put(row, Quantity::PressureLocal, kLocalPressure, r.Barometer.Local);
            put(row, Quantity::PressureSea, kSeaLevelPressure, r.Barometer.SeaLevel);
            put(row, Quantity::IndoorDew, kIndoorDew,
                r.DewStatus.IndoorOutOfRange ? -1 : r.IndoorDew.Current);
            put(row, Quantity::OutdoorDew, kOutdoorDew,
                r.DewStatus.OutdoorOutOfRange ? -1 : r.OutdoorDew.Current);
            row.groups |= 1u << 2;
            break;
        case 0xBF:
            put(row, Quantity::RainRate, kRainRate, r.Rain.RateOutOfRange ? -1 : r.Rain.Rate);
            put(row, Quantity::RainTotal, kRainAmount, r.Rain.Total);
            row.groups |= 1u << 3;
            break;
        case 0xCF: {
            put(row, Quantity::GustSpeed, kWindSpeed, r.Wind.GustSpeed);
            put(row, Quantity::GustDir, kWindDirection, r.Wind.GustDir);
            put(row, Quantity::AvgSpeed, kWindSpeed, r.Wind.AvgSpeed);
            put(row, Quantity::AvgDir, kWindDirection, r.Wind.AvgDir);
            put(row, Quantity::Windchill, kWindchill, r.Windchill.Current);
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
