#include "outputs/report_page.h"

#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/program_version.h"
#include "base/text_file.h"
#include "config/profile_name.h"
#include "outputs/mailbox_header.h"
#include "outputs/station_date_time.h"
#include "station/weather_words.h"

namespace {

// Label of a value line: leading blank, name, blanks up to 27 characters, ": " (29 in all).
QString label(const char* name) {
    return (QLatin1Char(' ') + QString::fromUtf8(name)).leftJustified(27) + QStringLiteral(": ");
}

// A count of tenths with one decimal and the decimal point, right-aligned in width characters.
QString tenths(qint64 value, int width) {
    return Formats::fixedPoint(value, 1).rightJustified(width);
}

// A real number with one decimal and the decimal point, right-aligned in width characters.
QString real1(double value, int width) {
    return tenths(roundHalfEven(value * 10.0), width);
}

QString num(qint64 value) {
    return QString::number(value);
}

// The page says "UTC": the station's (and the computer's) local time less the time-zone setting.
QDateTime pageUtc(const QDateTime& local, int zeitzone) {
    return local.addSecs(-3600 * qint64(zeitzone));
}

constexpr double kConvertedGauge = 5.5225;  // the rebuilt 235 mm gauge counts 5.5225 times as much

class PageBuilder {
public:
    PageBuilder(const WeatherRecord& r, const Settings& s, const QDateTime& now, const Formats& f)
        : r_(r), s_(s), now_(now), f_(f) {}

    // " am <date> um <time>" of a station time stamp.
    QString stamp(const StationTime& t) const {
        const QDateTime moment = pageUtc(StationDateTime(t, now_), s_.Zeitzone);
        return QStringLiteral(" am ") + f_.shortDate(moment.date()) + QStringLiteral(" um ") +
               f_.longTime(moment.time());
    }

    QStringList valueLines() const {
        QStringList out;
        const auto& outT = r_.OutdoorTemp;
        const auto& inT = r_.IndoorTemp;
        out << label("Aussentemperatur") + tenths(outT.Current, 3) + QStringLiteral(" Grad  C");
        out << label("Aussentemperatur Minimum") + tenths(outT.Lo.Value, 3) +
                   QStringLiteral(" Grad C") + stamp(outT.Lo.Time);
        out << label("Aussentemperatur Maximum") + tenths(outT.Hi.Value, 3) +
                   QStringLiteral(" Grad C") + stamp(outT.Hi.Time);
        out << label("Innentemperatur") + tenths(inT.Current, 3) + QStringLiteral(" Grad  C");
        out << label("Innentemperatur Minimum") + tenths(inT.Lo.Value, 3) +
                   QStringLiteral(" Grad C") + stamp(inT.Lo.Time);
        out << label("Innentemperatur Maximum") + tenths(inT.Hi.Value, 3) +
                   QStringLiteral(" Grad C") + stamp(inT.Hi.Time);
        out << label("Fuehlbare Temperatur") + num(r_.Windchill.Current) +
                   QStringLiteral(" Grad  C");
        out << label("Aussenfeuchte") + num(r_.OutdoorHum.Current) + QStringLiteral("%");
        out << label("Innenfeuchte") + num(r_.IndoorHum.Current) + QStringLiteral("%");
        out << label("Aussentaupunkt-Temperatur") + num(r_.OutdoorDew.Current) +
                   QStringLiteral(" Grad  C");
        out << label("Innentaupunkt-Temperatur") + num(r_.IndoorDew.Current) +
                   QStringLiteral(" Grad  C");
        out << label("Luftdruck QNH") + tenths(r_.Barometer.SeaLevel, 4) +
                   QStringLiteral(" mb (sealevel)");
        out << label("Luftdruck QFE") + num(r_.Barometer.Local) + QStringLiteral(" mb (local)");
        out << label("Luftdruck-Tendenz") + TrendWord(r_.Barometer.Trend);
        out << rainLines();
        const auto& w = r_.Wind;
        out << label("Windgeschwindigkeit") + tenths(w.GustSpeed, 2) + QStringLiteral(" m/s");
        out << label("Windrichtung") + num(w.GustDir) + QStringLiteral(" Grad  ");
        out << label("Windböe") + tenths(w.HiSpeed, 2) + QStringLiteral(" m/s aus ") +
                   num(w.HiDir) + QStringLiteral(" Grad") + stamp(w.HiTime);
        out << label("Windgeschwindigkeit (avg)") + tenths(w.AvgSpeed, 2) +
                   QStringLiteral(" m/s (gemittelt)");
        out << label("Windrichtung (avg)") + num(w.AvgDir) + QStringLiteral(" Grad   (gemittelt)");
        out << label("Vorhersage") + ForecastWord(r_.Barometer.Forecast);
        return out;
    }

private:
    QStringList rainLines() const {
        const auto& rain = r_.Rain;
        const QString rateLabel = label("Regenrate");
        const QString outOfRange = rateLabel + QStringLiteral("Out of Range / Fehler");
        QStringList out;
        if (s_.NormalRegen) {
            if (rain.RateOutOfRange) {
                out << outOfRange;
            } else {
                QString line = rateLabel + num(rain.Rate) + QStringLiteral(" mm/h");
                // Snow melting in a heated gauge reads as rain: say so below freezing.
                if (rain.Rate > 0 && r_.OutdoorTemp.Current < 0 && s_.regnBeheizt)
                    line += QStringLiteral(
                        "(Beheizter Regenmesser: Wert entspricht geschmolzenem Schnee!)");
                out << line;
            }
            out << label("Regenmenge seit 0 Uhr") + num(rain.Yesterday) + QStringLiteral(" mm");
            out << label("Regenmenge TOTAL") + num(rain.Total) + QStringLiteral(" mm");
            return out;
        }
        auto converted = [](std::uint16_t count) { return real1(count / kConvertedGauge, 3); };
        if (rain.RateOutOfRange)
            out << outOfRange;
        else
            out << rateLabel + converted(rain.Rate) + QStringLiteral(" mm/h (") + num(rain.Rate) +
                       QStringLiteral(" mm /5,5225 per hour)");
        out << label("Regenmenge seit 0 Uhr") + converted(rain.Yesterday) +
                   QStringLiteral(" mm (") + num(rain.Yesterday) + QStringLiteral(" mm /5,5225)");
        out << label("Regenmenge TOTAL") + converted(rain.Total) + QStringLiteral(" mm (") +
                   num(rain.Total) + QStringLiteral(" mm /5,5225)");
        return out;
    }

    const WeatherRecord& r_;
    const Settings& s_;
    const QDateTime& now_;
    const Formats& f_;
};

const QString kRule = QString(78, QLatin1Char('-'));

}  // namespace

const Profile& ReportProfile(const Settings& settings, int mode) {
    static const Profile empty{};
    const int slot = mode <= 1 ? 1 : mode;
    return slot <= kProfileSlots ? settings.profile(slot) : empty;
}

QString ReportPagePath(const Settings& settings, int mode) {
    if (mode <= 1)
        return settings.WinGTRead + QStringLiteral("Wetter.txt");
    // A name that would lead out of the Import folder is turned into one that stays in it.
    return settings.WinGTImport + profileFileStem(ReportProfile(settings, mode).Name) +
           QStringLiteral(".txt");
}

QStringList BuildReportLines(const WeatherRecord& record, const Settings& settings, int mode,
                             const QDateTime& now, const Formats& formats) {
    const Profile& p = ReportProfile(settings, mode);
    QStringList lines;
    if (mode >= 2) {
        lines << MailboxHeaderLine(p.Empfaenger, p.Absender, now, formats);
    }
    lines << p.Betreff << QString();
    lines << p.VOR;
    lines << QString() << QString();
    const QDateTime station = pageUtc(StationDateTime(record.Clock.Time, now), settings.Zeitzone);
    lines << QStringLiteral("Aktuelle Wetterwerte vom ") + formats.shortDate(station.date()) +
                 QStringLiteral(" um ") + formats.longTime(station.time()) + QStringLiteral(" UTC");
    lines << kRule;
    lines << PageBuilder(record, settings, now, formats).valueLines();
    lines << kRule << QStringLiteral("Huger WM918/WX200") << QString();
    lines << p.NACH;
    lines << QString();
    lines << QStringLiteral("[Wetterpult ") + QLatin1String(kProgramVersionText) +
                 QStringLiteral(" unter Linux]");
    if (settings.EOFKennung)
        lines << QStringLiteral("***END");
    return lines;
}

void WriteWeatherReport(const OutputContext& context, int reportMode) {
    if (reportMode < 1)
        return;
    const Settings& settings = context.settings;
    const QString profileName = ReportProfile(settings, reportMode).Name;
    const QString caption = reportMode == 1 ? QStringLiteral("Read") : QStringLiteral("Import");
    const QString createText =
        reportMode == 1
            ? QStringLiteral("Fehler beim Erstellen der Read-Datei")
            : QString::fromUtf8("Fehler beim  Erstellen der Datei für Profil ") + profileName;
    const QString insertText =
        QString::fromUtf8("Fehler beim Einfügen von Daten in die Datei für Profil ") + profileName;

    const QString path = ReportPagePath(settings, reportMode);
    textfile::WriteFailure failure = textfile::WriteFailure::Create;
    QString reason;
    const bool written = textfile::replaceWhole(
        path,
        textfile::crlfLines(BuildReportLines(context.station.Record, settings, reportMode,
                                             AppClock::currentDateTime(), context.formats)),
        &reason, &failure);
    if (written)
        return;
    // A file that cannot be created cannot take the lines either: both messages are shown.
    const QString details = textfile::failureDetails(path, reason);
    if (failure == textfile::WriteFailure::Create)
        notify(caption, createText, MessageButtons::OkCancel, details);
    notify(QStringLiteral("Import"), insertText, MessageButtons::OkCancel, details);
}
