#include "station/group_summary.h"

#include <functional>
#include <iterator>
#include <type_traits>

#include "base/app_clock.h"
#include "station/group_table.h"
#include "station/quality_gate.h"
#include "station/weather_words.h"

namespace {

QString two(int v) {
    return QString::number(v).rightJustified(2, QLatin1Char('0'));
}

// "hh:mm:ss dd.mm." from the station clock, or from the computer's clock before it has arrived.
QString stamp(const WeatherRecord& r) {
    const StationTime& t = r.Clock.Time;
    if (t.Month != 0 && t.Day != 0)
        return QStringLiteral("%1:%2:%3 %4.%5.")
            .arg(two(t.Hour), two(t.Minute), two(t.Second), two(t.Day), two(t.Month));
    const QDateTime now = AppClock::currentDateTime();
    return QStringLiteral("%1:%2:%3 %4.%5.")
        .arg(two(now.time().hour()), two(now.time().minute()), two(now.time().second()),
             two(now.date().day()), two(now.date().month()));
}

}  // namespace

QString groupSummaryLine(const WeatherRecord& r, std::uint8_t groupByte, const Formats& f) {
    const GroupInfo* group = groupFor(groupByte);
    if (!group)
        return {};
    // A value the quality gate calls missing reads "--".
    auto whole = [&r](Quantity q) {
        const Measured v = measuredInRecord(r, q);
        return v ? QString::number(*v) : QStringLiteral("--");
    };
    auto tenths = [&r, &f](Quantity q) {
        const Measured v = measuredInRecord(r, q);
        return v ? f.fixed(*v, 1) : QStringLiteral("--");
    };
    // The main values of each group, in the order of kGroups.
    const std::function<QString()> texts[] = {
        [&] {
            return QStringLiteral("Feuchte innen %1 %, außen %2 %")
                .arg(whole(Quantity::IndoorHum), whole(Quantity::OutdoorHum));
        },
        [&] {
            return QStringLiteral("Temperatur innen %1 °C, außen %2 °C")
                .arg(tenths(Quantity::IndoorTemp), tenths(Quantity::OutdoorTemp));
        },
        [&] {
            QString text = QStringLiteral("Luftdruck %1 mb").arg(tenths(Quantity::PressureSea));
            const QString trend = TrendWord(r.Barometer.Trend);
            if (!trend.isEmpty())
                text += QLatin1Char(' ') + trend;
            const QString forecast = ForecastWord(r.Barometer.Forecast);
            if (!forecast.isEmpty())
                text += QStringLiteral(", Vorhersage ") + forecast;
            return text + QStringLiteral(", Taupunkt innen %1 °C, außen %2 °C")
                              .arg(whole(Quantity::IndoorDew), whole(Quantity::OutdoorDew));
        },
        [&] {
            return QStringLiteral("Regen %1 mm/h, gestern %2 mm, gesamt %3 mm")
                .arg(whole(Quantity::RainRate), whole(Quantity::RainYesterday),
                     whole(Quantity::RainTotal));
        },
        [&] {
            QString text = QStringLiteral("Wind %1 m/s %2°, Böe %3 m/s %4°, Windchill %5 °C")
                               .arg(tenths(Quantity::AvgSpeed), whole(Quantity::AvgDir),
                                    tenths(Quantity::GustSpeed), whole(Quantity::GustDir),
                                    whole(Quantity::Windchill));
            if (r.Console.BatteryLow)
                text += QStringLiteral(", Batterie schwach");
            return text;
        },
    };
    static_assert(std::extent_v<decltype(texts)> == std::size(kGroups));
    return stamp(r) + QLatin1Char(' ') + texts[group->index]();
}
