#include "publish/wu_request.h"

#include "base/program_version.h"
#include "station/quality_gate.h"

namespace {

constexpr double kRebuiltGauge = 5.5225;  // a rebuilt 235 mm gauge counts 5.5225 times as much

QString number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString fahrenheit(double celsius) {
    return number(celsius * 9.0 / 5.0 + 32.0, 1);
}

QString mph(std::int32_t tenthsOfMetresPerSecond) {
    return number(tenthsOfMetresPerSecond / 10.0 * 2.2369363, 1);
}

}  // namespace

WuParameters wuParameters(const StationData& data, const Settings& settings, const QDateTime& now) {
    WuParameters p;
    p.append({QStringLiteral("action"), QStringLiteral("updateraw")});
    p.append({QStringLiteral("ID"), settings.WUStation.trimmed()});
    p.append({QStringLiteral("PASSWORD"), settings.WUSchluessel.trimmed()});
    p.append(
        {QStringLiteral("dateutc"), now.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))});

    auto add = [&p](const char* key, const Measured& value, auto convert) {
        if (value)
            p.append({QLatin1String(key), convert(*value)});
    };
    auto value = [&data](Quantity q) { return measured(data, q); };
    auto whole = [](std::int32_t v) { return QString::number(v); };
    auto tenthsCelsius = [](std::int32_t tenths) { return fahrenheit(tenths / 10.0); };
    auto inches = [&settings](std::int32_t count) {
        const double mm = settings.NormalRegen ? count : count / kRebuiltGauge;
        return number(mm / 25.4, 2);
    };
    const RainFigures rain = measuredRain(data, now);

    add("tempf", value(Quantity::OutdoorTemp), tenthsCelsius);
    add("humidity", value(Quantity::OutdoorHum), whole);
    add("dewptf", value(Quantity::OutdoorDew), [](std::int32_t c) { return fahrenheit(c); });
    add("baromin", value(Quantity::PressureSea),
        [](std::int32_t tenthsMb) { return number(tenthsMb / 10.0 * 0.0295299830714, 3); });
    add("windspeedmph", value(Quantity::AvgSpeed), mph);
    add("windgustmph", measuredFiveMinuteGust(data), mph);
    add("winddir", value(Quantity::AvgDir), whole);
    add("rainin", rain.lastHour, inches);
    add("dailyrainin", rain.today, inches);
    add("indoortempf", value(Quantity::IndoorTemp), tenthsCelsius);
    add("indoorhumidity", value(Quantity::IndoorHum), whole);
    p.append({QStringLiteral("softwaretype"),
              QStringLiteral("Wetterpult ") + QLatin1String(kProgramVersionText)});
    return p;
}

QUrl wuRequestUrl(const QString& address, const WuParameters& parameters) {
    QByteArray query;
    for (const auto& [key, value] : parameters) {
        if (!query.isEmpty())
            query += '&';
        query += QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
    }
    QUrl url(address.trimmed());
    url.setQuery(QString::fromLatin1(query), QUrl::StrictMode);
    return url;
}
