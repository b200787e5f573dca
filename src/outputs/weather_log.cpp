#include "outputs/weather_log.h"

#include <QFileInfo>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/text_file.h"
#include "outputs/log_week.h"
#include "outputs/station_date_time.h"
#include "station/quality_gate.h"
#include "station/weather_words.h"

namespace {
// A missing value leaves its field empty: blanks keep the columns in place.
QString n(const Measured& value, int width) {
    return value ? QString::number(*value).rightJustified(width) : QString(width, QLatin1Char(' '));
}
QString r(const Measured& tenths, int width) {
    return tenths ? Formats::fixedPoint(*tenths, 1).rightJustified(width)
                  : QString(width, QLatin1Char(' '));
}
}  // namespace

QString WeatherLogPath(const Settings& settings, const QDate& today, const Formats& formats) {
    const int week = LogWeek(today);
    QString file;
    switch (settings.LogUpdate) {
        case 0:
            file = QStringLiteral("/t") + formats.shortDate(today) + QStringLiteral(".txt");
            break;
        case 1:
            file = QStringLiteral("/w") + QString::number(week) + QLatin1Char('.') +
                   formats.date(QStringLiteral("yyyy"), today) + QStringLiteral(".txt");
            break;
        case 2:
            file = QLatin1Char('/') + formats.date(QStringLiteral("mmmm\".\"yyyy"), today) +
                   QStringLiteral(".txt");
            break;
        default:
            return {};
    }
    if (settings.LogWochenordner)
        file = QStringLiteral("/Woche ") + QString::number(week) + file;
    if (settings.LogMonatsordner)
        file = QLatin1Char('/') + formats.date(QStringLiteral("mmmm yyyy"), today) + file;
    return settings.LogOrdner + file;
}

QString WeatherLogHeader() {
    return QStringLiteral(
        "   Datum    Uhrzeit  FeuchtO  FeuchtI  TempI  TempO  TaupI  TaupO  BaroL   BaroS  Trend  "
        "         Vorher      Regen  WindS  WindR  Chill");
}

QString WeatherLogLine(const StationData& data, const QDateTime& now, const Formats& formats) {
    const WeatherRecord& rec = data.Record;
    auto v = [&data](Quantity q) { return measured(data, q); };
    const StationTime& t = rec.Clock.Time;
    const QDateTime moment = StationDateTime(t.Day, t.Month, t.Hour, t.Minute, now, t.Second);
    QString line;
    line += formats.shortDate(moment.date());
    line += formats.longTime(moment.time()).rightJustified(11);
    line += n(v(Quantity::OutdoorHum), 9);
    line += n(v(Quantity::IndoorHum), 9);
    line += r(v(Quantity::IndoorTemp), 7);
    line += r(v(Quantity::OutdoorTemp), 7);
    line += QStringLiteral("  ");
    line += n(v(Quantity::IndoorDew), 5);
    line += n(v(Quantity::OutdoorDew), 7);
    line += n(v(Quantity::PressureLocal), 7);
    line += r(v(Quantity::PressureSea), 8);
    line += QStringLiteral("  ");
    line += TrendWord(rec.Barometer.Trend).leftJustified(14);
    line += QStringLiteral("  ");
    line += ForecastWord(rec.Barometer.Forecast).leftJustified(10);
    line += n(v(Quantity::RainRate), 7);
    line += r(v(Quantity::GustSpeed), 7);
    line += n(v(Quantity::GustDir), 7);
    line += n(v(Quantity::Windchill), 7);
    return line;
}

void WriteWeatherLog(const OutputContext& context) {
    const QDateTime now = AppClock::currentDateTime();
    const QString path = WeatherLogPath(context.settings, now.date(), context.formats);
    bool written = false;
    QString details = context.settings.LogOrdner + QStringLiteral(": kein Dateiname (LogUpdate)");
    if (!path.isEmpty()) {
        const QFileInfo info(path);
        const QString folder = info.absolutePath();
        QString reason;
        if (QFileInfo::exists(folder) || textfile::makeFolder(folder, &reason)) {
            QStringList lines;
            // Only a new file gets the header; whether it is new is a look at the folder entry.
            if (!info.exists())
                lines << WeatherLogHeader();
            lines << WeatherLogLine(context.station, now, context.formats);
            written = textfile::append(path, textfile::crlfLines(lines), &reason);
            details = textfile::failureDetails(path, reason);
        } else {
            details = textfile::failureDetails(folder, reason);
        }
    }
    if (!written)
        notify(
            QStringLiteral("Wetterlog"),
            QString::fromUtf8("Fehler beim erstellen oder beim Anhängen von Daten des Wetterlogs"),
            MessageButtons::OkCancel, details);
}
