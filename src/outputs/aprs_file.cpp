#include "outputs/aprs_file.h"

#include <algorithm>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/text_file.h"
#include "outputs/station_date_time.h"
#include "outputs/zero_pad.h"
#include "station/quality_gate.h"

namespace {
// The conversions are done in single precision, as APRS programs of the station's era did.
float toMph(float metresPerSecond) {
    return metresPerSecond * 2.23694f;
}
float toFahrenheit(float celsius) {
    return celsius * 9.0f / 5.0f + 32.0f;
}
float toHundredthsInch(float mm) {
    return mm * 100.0f / 25.4f;
}

// A field of `width` figures, or as many dots (APRS for "no value") for a missing value.
QString field(const std::optional<double>& value, int width) {
    return ZeroPadOr(value, width, QLatin1Char('.'));
}

QString field(const Measured& value, int width) {
    return field(value ? std::optional<double>(*value) : std::nullopt, width);
}

// A measured value converted, or missing.
template <typename Convert>
std::optional<double> converted(const Measured& value, Convert convert) {
    return value ? std::optional<double>(convert(*value)) : std::nullopt;
}

QString forecastWord(std::uint8_t code) {
    switch (code) {
        case 1:
            return QStringLiteral("sunny");
        case 2:
            return QStringLiteral("wolkig");
        case 4:
            return QString::fromUtf8("bewölkt");
        case 8:
            return QStringLiteral("Regen");
        default:
            return {};
    }
}
}  // namespace

QString AprsWeatherFields(const StationData& station, const Settings& settings,
                          const QDateTime& now) {
    auto value = [&station](Quantity q) { return measured(station, q); };
    auto mph = [](std::int32_t tenths) { return toMph(float(tenths) / 10.0f); };
    // r: rain of the last hour, P: since local midnight, p: of the last 24 hours. A rebuilt gauge
    // counts 5.5225 times as much as a normal one. The three figures hold at most 9.99 inches:
    // more is written as 999, since a fourth figure would shift every field behind it.
    auto rain = [&settings](const Measured& count) {
        return field(converted(count,
                               [&settings](std::int32_t c) {
                                   const float mm =
                                       settings.NormalRegen ? float(c) : float(c) / 5.5225f;
                                   return std::min(toHundredthsInch(mm), 999.0f);
                               }),
                     3);
    };
    const RainFigures rainFigures = measuredRain(station, now);

    QString line;
    line += field(value(Quantity::AvgDir), 3);
    line += QLatin1Char('/') + field(converted(value(Quantity::AvgSpeed), mph), 3);
    line += QLatin1Char('g') + field(converted(measuredFiveMinuteGust(station), mph), 3);
    line +=
        QLatin1Char('t') +
        field(converted(value(Quantity::OutdoorTemp),
                        [](std::int32_t tenths) { return toFahrenheit(float(tenths) / 10.0f); }),
              3);
    line += QLatin1Char('h') + field(value(Quantity::OutdoorHum), 2);
    line += QLatin1Char('b') + field(value(Quantity::PressureSea), 5);
    line += QLatin1Char('r') + rain(rainFigures.lastHour);
    line += QLatin1Char('P') + rain(rainFigures.today);
    line += QLatin1Char('p') + rain(rainFigures.last24h);
    return line;
}

QStringList BuildAprsLines(const StationData& station, const Settings& settings,
                           const QDateTime& now, const Formats& formats) {
    const StationTime& t = station.Record.Clock.Time;
    const QDateTime stamp =
        settings.APRSRechnerZeit ? now : StationDateTime(t.Day, t.Month, t.Hour, t.Minute, now);
    const QString line = AprsWeatherFields(station, settings, now) + QStringLiteral("m/") +
                         forecastWord(station.Record.Barometer.Forecast);
    return {formats.dateTime(QStringLiteral("mmm dd yyyy hh:nn"), stamp), line};
}

void WriteAprsFile(const OutputContext& context) {
    const QStringList lines = BuildAprsLines(context.station, context.settings,
                                             AppClock::currentDateTime(), context.formats);
    const QString& path = context.settings.APRSDatei;
    QString reason;
    if (!textfile::replaceWhole(path, textfile::crlfLines(lines), &reason))
        notify(QStringLiteral("APRS"), QStringLiteral("Fehler beim Erstellen der APRS-Datei"),
               MessageButtons::OkCancel, textfile::failureDetails(path, reason));
}
