#include "outputs/weather_log.h"

#include <QFileInfo>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/text_file.h"
#include "outputs/log_week.h"
#include "outputs/station_date_time.h"
#include "station/measuring_ranges.h"
#include "station/weather_words.h"

namespace {
// A value the console cannot measure leaves its field empty: blanks keep the columns in place.
QString n(const MeasuringRange& range, qint64 value, int width) {
    return range.contains(value) ? QString::number(value).rightJustified(width)
                                 : QString(width, QLatin1Char(' '));
}
QString r(const MeasuringRange& range, qint64 tenthsValue, int width) {
    return range.contains(tenthsValue) ? Formats::fixedPoint(tenthsValue, 1).rightJustified(width)
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

QString WeatherLogLine(const WeatherRecord& rec, const QDateTime& now, const Formats& formats) {
    const StationTime& t = rec.Clock.Time;
    const QDateTime moment = StationDateTime(t.Day, t.Month, t.Hour, t.Minute, now, t.Second);
    QString line;
    line += formats.shortDate(moment.date());
    line += formats.longTime(moment.time()).rightJustified(11);
    line += n(measuring::kHumidity, rec.OutdoorHum.Current, 9);
    line += n(measuring::kHumidity, rec.IndoorHum.Current, 9);
    line += r(measuring::kIndoorTemp, rec.IndoorTemp.Current, 7);
    line += r(measuring::kOutdoorTemp, rec.OutdoorTemp.Current, 7);
    line += QStringLiteral("  ");
    line += n(measuring::kIndoorDew, rec.IndoorDew.Current, 5);
    line += n(measuring::kOutdoorDew, rec.OutdoorDew.Current, 7);
    line += n(measuring::kLocalPressure, rec.Barometer.Local, 7);
    line += r(measuring::kSeaLevelPressure, rec.Barometer.SeaLevel, 8);
    line += QStringLiteral("  ");
    line += TrendWord(rec.Barometer.Trend).leftJustified(14);
    line += QStringLiteral("  ");
    line += ForecastWord(rec.Barometer.Forecast).leftJustified(10);
    line += n(measuring::kRainRate, rec.Rain.Rate, 7);
    line += r(measuring::kWindSpeed, rec.Wind.GustSpeed, 7);
    line += n(measuring::kWindDirection, rec.Wind.GustDir, 7);
    line += n(measuring::kWindchill, rec.Windchill.Current, 7);
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
            lines << WeatherLogLine(context.station.Record, now, context.formats);
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
