// The quality gate: the one answer to "what did the station measure?" for every quantity. A value
// is missing when its group has not arrived, when the console flags it as out of range, or when it
// lies outside what the console can measure (a sensor sending EE, a group whose checksum matched by
// chance). Every writer, the archive and every publisher read station values only through here and
// spell "missing" in their own way.
#pragma once

#include <QDateTime>
#include <cstdint>
#include <optional>

#include "station/quantity.h"
#include "station/weather_record.h"

// Which value of a quantity: the current reading, or the low or high the console keeps with its
// time. Lo and Hi exist for temperatures, humidities, dew points, the wind's highest gust
// (GustSpeed, GustDir) and the wind chill's low (Windchill); for any other quantity they are
// missing.
enum class Reading { Current, Lo, Hi };

using Measured = std::optional<std::int32_t>;

// The value as the record holds it, or missing for a console flag or a value outside the measuring
// range. Says nothing about whether the group has arrived: for comparing records.
Measured measuredInRecord(const WeatherRecord& record, Quantity q,
                          Reading reading = Reading::Current);

// The value, or missing as above or when no group of its kind has arrived yet.
Measured measured(const StationData& data, Quantity q, Reading reading = Reading::Current);

// A value read from elsewhere (a weather log, an import) checked against the measuring range of
// its quantity.
Measured measuredValue(Quantity q, std::int64_t raw);

// The highest gust of the last five minutes (tenths of m/s), or missing before a wind group has
// arrived or when one of the minutes holds an impossible speed.
Measured measuredFiveMinuteGust(const StationData& data);

// The console's "battery low" flag, or missing before a wind group (which carries it) has arrived.
std::optional<bool> measuredBatteryLow(const StationData& data);

// The station clock forms a real date and time (the station sends no year: any leap year will do).
bool stationClockValid(const StationTime& t);

// Rain from the rises of the console's total (a reset counts as new rain), in its counts (mm on a
// normal gauge): the last hour, since local midnight, the last 24 hours before `now` (local time).
// Missing before the first good rain total.
struct RainFigures {
    Measured lastHour;
    Measured today;
    Measured last24h;
};
RainFigures measuredRain(const StationData& data, const QDateTime& now);
