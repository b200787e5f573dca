#include "station/quality_gate.h"

#include "station/measuring_ranges.h"

namespace {

const MeasuringRange& rangeOf(Quantity q) {
    using namespace measuring;
    switch (q) {
        case Quantity::IndoorTemp:
            return kIndoorTemp;
        case Quantity::OutdoorTemp:
            return kOutdoorTemp;
        case Quantity::IndoorHum:
        case Quantity::OutdoorHum:
            return kHumidity;
        case Quantity::IndoorDew:
            return kIndoorDew;
        case Quantity::OutdoorDew:
            return kOutdoorDew;
        case Quantity::PressureLocal:
            return kLocalPressure;
        case Quantity::PressureSea:
            return kSeaLevelPressure;
        case Quantity::GustSpeed:
        case Quantity::AvgSpeed:
        case Quantity::MinuteGust:
            return kWindSpeed;
        case Quantity::GustDir:
        case Quantity::AvgDir:
        case Quantity::MinuteGustDir:
            return kWindDirection;
        case Quantity::Windchill:
            return kWindchill;
        case Quantity::RainRate:
            return kRainRate;
        case Quantity::RainTotal:
        case Quantity::RainYesterday:
            return kRainAmount;
    }
    return kRainAmount;
}

// The raw value of a reading and whether the console flags it; nullopt when the quantity has no
// such reading.
struct Raw {
    std::int64_t value = 0;
    bool flagged = false;
};

std::optional<Raw> currentOf(const WeatherRecord& r, Quantity q) {
    switch (q) {
        case Quantity::IndoorTemp:
            return Raw{r.IndoorTemp.Current};
        case Quantity::OutdoorTemp:
            return Raw{r.OutdoorTemp.Current};
        case Quantity::IndoorHum:
            return Raw{r.IndoorHum.Current, r.IndoorHum.OutOfRange};
        case Quantity::OutdoorHum:
            return Raw{r.OutdoorHum.Current, r.OutdoorHum.OutOfRange};
        case Quantity::IndoorDew:
            return Raw{r.IndoorDew.Current, r.DewStatus.IndoorOutOfRange};
        case Quantity::OutdoorDew:
            return Raw{r.OutdoorDew.Current, r.DewStatus.OutdoorOutOfRange};
        case Quantity::PressureLocal:
            return Raw{r.Barometer.Local};
        case Quantity::PressureSea:
            return Raw{r.Barometer.SeaLevel};
        case Quantity::GustSpeed:
            return Raw{r.Wind.GustSpeed};
        case Quantity::GustDir:
            return Raw{r.Wind.GustDir};
        case Quantity::AvgSpeed:
            return Raw{r.Wind.AvgSpeed};
        case Quantity::AvgDir:
            return Raw{r.Wind.AvgDir};
        case Quantity::MinuteGust:
            return Raw{r.MinuteWindMax};
        case Quantity::MinuteGustDir:
            return Raw{r.MinuteWindMaxDir};
        case Quantity::Windchill:
            return Raw{r.Windchill.Current};
        case Quantity::RainRate:
            return Raw{r.Rain.Rate, r.Rain.RateOutOfRange};
        case Quantity::RainTotal:
            return Raw{r.Rain.Total};
        case Quantity::RainYesterday:
            return Raw{r.Rain.Yesterday};
    }
    return std::nullopt;
}

std::optional<Raw> extremeOf(const WeatherRecord& r, Quantity q, bool high) {
    auto pick = [high](const auto& reading) {
        return Raw{high ? reading.Hi.Value : reading.Lo.Value};
    };
    switch (q) {
        case Quantity::IndoorTemp:
            return pick(r.IndoorTemp);
        case Quantity::OutdoorTemp:
            return pick(r.OutdoorTemp);
        case Quantity::IndoorHum:
            return pick(r.IndoorHum);
        case Quantity::OutdoorHum:
            return pick(r.OutdoorHum);
        case Quantity::IndoorDew:
            return pick(r.IndoorDew);
        case Quantity::OutdoorDew:
            return pick(r.OutdoorDew);
        case Quantity::GustSpeed:
            return high ? std::optional<Raw>(Raw{r.Wind.HiSpeed}) : std::nullopt;
        case Quantity::GustDir:
            return high ? std::optional<Raw>(Raw{r.Wind.HiDir}) : std::nullopt;
        case Quantity::Windchill:
            return high ? std::nullopt : std::optional<Raw>(Raw{r.Windchill.Lo});
        default:
            return std::nullopt;
    }
}

}  // namespace

Measured measuredValue(Quantity q, std::int64_t raw) {
    if (!rangeOf(q).contains(raw))
        return std::nullopt;
    return std::int32_t(raw);
}

Measured measuredInRecord(const WeatherRecord& record, Quantity q, Reading reading) {
    const std::optional<Raw> raw = reading == Reading::Current
                                       ? currentOf(record, q)
                                       : extremeOf(record, q, reading == Reading::Hi);
    if (!raw || raw->flagged)
        return std::nullopt;
    return measuredValue(q, raw->value);
}

Measured measured(const StationData& data, Quantity q, Reading reading) {
    if (data.GroupArrivedMs[groupIndexOf(q)] == 0)
        return std::nullopt;
    return measuredInRecord(data.Record, q, reading);
}

Measured measuredFiveMinuteGust(const StationData& data) {
    if (data.GroupArrivedMs[groupIndexOf(Quantity::MinuteGust)] == 0)
        return std::nullopt;
    for (std::uint16_t minute : data.WindMaxRing)
        if (!measuring::kWindSpeed.contains(minute))
            return std::nullopt;
    return measuredValue(Quantity::MinuteGust, data.fiveMinuteGust());
}

std::optional<bool> measuredBatteryLow(const StationData& data) {
    if (data.GroupArrivedMs[4] == 0)
        return std::nullopt;
    return data.Record.Console.BatteryLow;
}

bool stationClockValid(const StationTime& t) {
    static constexpr int kDays[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return t.Month >= 1 && t.Month <= 12 && t.Day >= 1 && t.Day <= kDays[t.Month] && t.Hour < 24 &&
           t.Minute < 60 && t.Second < 60;
}

RainFigures measuredRain(const StationData& data, const QDateTime& now) {
    if (data.GroupArrivedMs[groupIndexOf(Quantity::RainTotal)] == 0)
        return {};
    const std::int64_t at = now.toSecsSinceEpoch();
    const QDateTime midnight(now.date(), QTime(0, 0), now.timeSpec());
    return {data.RainLog.rainAfter(at - 3600), data.RainLog.rainAfter(midnight.toSecsSinceEpoch()),
            data.RainLog.rainAfter(at - 24 * 3600)};
}
