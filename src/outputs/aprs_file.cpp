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
    auto rain = [&](std::uint16_t count) {
        const float mm = settings.NormalRegen ? float(count) : float(count) / 5.5225f;
        return ZeroPad(std::min(toHundredthsInch(mm), 999.0f), 3);
    };
    const std::uint16_t gust =
        *std::max_element(station.WindMaxRing.begin(), station.WindMaxRing.end());
    // APRS writes 100 % humidity as "00": the field has two figures.
    const int humidity = r.OutdoorHum.Current >= 100 ? 0 : r.OutdoorHum.Current;

    QString line;
    line += ZeroPad(r.Wind.AvgDir, 3);
    line += QLatin1Char('/') + ZeroPad(toMph(float(r.Wind.AvgSpeed) / 10.0f), 3);
    line += QLatin1Char('g') + ZeroPad(toMph(float(gust) / 10.0f), 3);
    line += QLatin1Char('t') + ZeroPad(toFahrenheit(float(r.OutdoorTemp.Current) / 10.0f), 3);
    line += QLatin1Char('h') + ZeroPad(humidity, 2);
    line += QLatin1Char('b') + ZeroPad(r.Barometer.SeaLevel, 5);
    line += QLatin1Char('r') + rain(r.Rain.RateOutOfRange ? 0 : r.Rain.Rate);
    line += QLatin1Char('P') + rain(r.Rain.Yesterday);
    line += QLatin1Char('p') + rain(station.Rain24h);
    line += QStringLiteral("m/") + forecastWord(r.Barometer.Forecast);

    return {formats.dateTime(QStringLiteral("mmm dd yyyy hh:nn"), stamp), line};
}

void WriteAprsFile(const OutputContext& context) {
    const QStringList lines = BuildAprsLines(context.station, context.settings,
                                             AppClock::currentDateTime(), context.formats);
    if (!textfile::replaceWhole(context.settings.APRSDatei, textfile::crlfLines(lines)))
        notify(QStringLiteral("APRS"), QStringLiteral("Fehler beim Erstellen der APRS-Datei"),
               MessageButtons::OkCancel);
}
