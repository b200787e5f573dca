#include "outputs/aprs_file.h"

#include <algorithm>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/text_file.h"
#include "outputs/station_date_time.h"
#include "outputs/zero_pad.h"

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

// A field of `width` figures, or as many dots (APRS for "no value") when the value lies outside
// what the console can measure.
QString field(const MeasuringRange& range, std::int64_t raw, double value, int width) {
    return ZeroPadMeasured(range, raw, value, width, QLatin1Char('.'));
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

QStringList BuildAprsLines(const StationData& station, const Settings& settings,
                           const QDateTime& now, const Formats& formats) {
    const WeatherRecord& r = station.Record;
    const StationTime& t = r.Clock.Time;
    const QDateTime stamp =
        settings.APRSRechnerZeit ? now : StationDateTime(t.Day, t.Month, t.Hour, t.Minute, now);

    // A rebuilt gauge counts 5.5225 times as much as a normal one. The three figures hold at most
    // 9.99 inches: more is written as 999, since a fourth figure would shift every field behind it.
    auto rain = [&](const MeasuringRange& range, std::uint16_t count) {
        const float mm = settings.NormalRegen ? float(count) : float(count) / 5.5225f;
        return field(range, count, std::min(toHundredthsInch(mm), 999.0f), 3);
    };
    const std::uint16_t gust = station.fiveMinuteGust();
    const auto& wind = r.Wind;
    const auto temp = r.OutdoorTemp.Current;

    QString line;
    line += field(measuring::kWindDirection, wind.AvgDir, wind.AvgDir, 3);
    line += QLatin1Char('/') +
            field(measuring::kWindSpeed, wind.AvgSpeed, toMph(float(wind.AvgSpeed) / 10.0f), 3);
    line += QLatin1Char('g') + field(measuring::kWindSpeed, gust, toMph(float(gust) / 10.0f), 3);
    line += QLatin1Char('t') +
            field(measuring::kOutdoorTemp, temp, toFahrenheit(float(temp) / 10.0f), 3);
    line += QLatin1Char('h') +
            field(measuring::kHumidity, r.OutdoorHum.Current, r.OutdoorHum.Current, 2);
    line += QLatin1Char('b') +
            field(measuring::kSeaLevelPressure, r.Barometer.SeaLevel, r.Barometer.SeaLevel, 5);
    line += QLatin1Char('r') + (r.Rain.RateOutOfRange ? QStringLiteral("000")
                                                      : rain(measuring::kRainRate, r.Rain.Rate));
    line += QLatin1Char('P') + rain(measuring::kRainAmount, r.Rain.Yesterday);
    line += QLatin1Char('p') + rain(measuring::kRainAmount, station.Rain24h);
    line += QStringLiteral("m/") + forecastWord(r.Barometer.Forecast);

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
