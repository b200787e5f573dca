#include "outputs/report_page.h"

#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/program_version.h"
#include "base/text_file.h"
#include "config/profile_name.h"
#include "config/time_zone.h"
#include "outputs/mailbox_header.h"
#include "outputs/station_date_time.h"
#include "station/quality_gate.h"
#include "station/weather_words.h"

namespace {

// Label of a value line: leading blank, name, blanks up to 27 characters, ": " (29 in all).
QString label(const char* name) {
    return (QLatin1Char(' ') + QString::fromUtf8(name)).leftJustified(27) + QStringLiteral(": ");
}

// A count of tenths with one decimal and the decimal point, right-aligned in width characters;
// "--" in its place for a missing value.
QString tenths(const Measured& value, int width) {
    return value ? Formats::fixedPoint(*value, 1).rightJustified(width) : QStringLiteral("--");
}

// A real number with one decimal and the decimal point, right-aligned in width characters.
QString real1(double value, int width) {
    return Formats::fixedPoint(roundHalfEven(value * 10.0), 1).rightJustified(width);
}

QString num(const Measured& value) {
    return value ? QString::number(*value) : QStringLiteral("--");
}

// The page says "UTC": the station's (and the computer's) local time less the time-zone setting
// (with "System" the system zone's offset at that moment).
QDateTime pageUtc(const QDateTime& local, const Settings& settings) {
    const QDateTime wall(local.date(), local.time(), Qt::UTC);
    return wall.addSecs(-zoneOffsetSeconds(settings, local));
}

constexpr double kConvertedGauge = 5.5225;  // the rebuilt 235 mm gauge counts 5.5225 times as much

class PageBuilder {
public:
    PageBuilder(const StationData& d, const Settings& s, const QDateTime& now, const Formats& f)
        : d_(d), r_(d.Record), s_(s), now_(now), f_(f) {}

    // " am <date> um <time>" of a station time stamp, dated from the station clock.
    QString stamp(const StationTime& t) const {
        const QDateTime moment = pageUtc(StationStampDateTime(t, r_.Clock.Time, now_), s_);
        return QStringLiteral(" am ") + f_.shortDate(moment.date()) + QStringLiteral(" um ") +
               f_.longTime(moment.time());
    }

    Measured v(Quantity q, Reading reading = Reading::Current) const {
        return measured(d_, q, reading);
    }

    QStringList valueLines() const {
        QStringList out;
        const auto& outT = r_.OutdoorTemp;
        const auto& inT = r_.IndoorTemp;
        out << label("Aussentemperatur") + tenths(v(Quantity::OutdoorTemp), 3) +
                   QStringLiteral(" Grad  C");
        out << label("Aussentemperatur Minimum") +
                   tenths(v(Quantity::OutdoorTemp, Reading::Lo), 3) + QStringLiteral(" Grad C") +
                   stamp(outT.Lo.Time);
        out << label("Aussentemperatur Maximum") +
                   tenths(v(Quantity::OutdoorTemp, Reading::Hi), 3) + QStringLiteral(" Grad C") +
                   stamp(outT.Hi.Time);
        out << label("Innentemperatur") + tenths(v(Quantity::IndoorTemp), 3) +
                   QStringLiteral(" Grad  C");
        out << label("Innentemperatur Minimum") + tenths(v(Quantity::IndoorTemp, Reading::Lo), 3) +
                   QStringLiteral(" Grad C") + stamp(inT.Lo.Time);
        out << label("Innentemperatur Maximum") + tenths(v(Quantity::IndoorTemp, Reading::Hi), 3) +
                   QStringLiteral(" Grad C") + stamp(inT.Hi.Time);
        out << label("Fuehlbare Temperatur") + num(v(Quantity::Windchill)) +
                   QStringLiteral(" Grad  C");
        out << label("Aussenfeuchte") + num(v(Quantity::OutdoorHum)) + QStringLiteral("%");
        out << label("Innenfeuchte") + num(v(Quantity::IndoorHum)) + QStringLiteral("%");
        out << label("Aussentaupunkt-Temperatur") + num(v(Quantity::OutdoorDew)) +
                   QStringLiteral(" Grad  C");
        out << label("Innentaupunkt-Temperatur") + num(v(Quantity::IndoorDew)) +
                   QStringLiteral(" Grad  C");
        out << label("Luftdruck QNH") + tenths(v(Quantity::PressureSea), 4) +
                   QStringLiteral(" mb (sealevel)");
        out << label("Luftdruck QFE") + num(v(Quantity::PressureLocal)) +
                   QStringLiteral(" mb (local)");
        out << label("Luftdruck-Tendenz") + TrendWord(r_.Barometer.Trend);
        out << rainLines();
        const auto& w = r_.Wind;
        out << label("Windgeschwindigkeit") + tenths(v(Quantity::GustSpeed), 2) +
                   QStringLiteral(" m/s");
        out << label("Windrichtung") + num(v(Quantity::GustDir)) + QStringLiteral(" Grad  ");
        out << label("Windböe") + tenths(v(Quantity::GustSpeed, Reading::Hi), 2) +
                   QStringLiteral(" m/s aus ") + num(v(Quantity::GustDir, Reading::Hi)) +
                   QStringLiteral(" Grad") + stamp(w.HiTime);
        out << label("Windgeschwindigkeit (avg)") + tenths(v(Quantity::AvgSpeed), 2) +
                   QStringLiteral(" m/s (gemittelt)");
        out << label("Windrichtung (avg)") + num(v(Quantity::AvgDir)) +
                   QStringLiteral(" Grad   (gemittelt)");
        out << label("Vorhersage") + ForecastWord(r_.Barometer.Forecast);
        return out;
    }

private:
    // The rain lines. "Regenmenge seit 0 Uhr" is the rain since local midnight, counted from the
    // rises of the console's total.
    QStringList rainLines() const {
        const QString rateLabel = label("Regenrate");
        const QString outOfRange = rateLabel + QStringLiteral("Out of Range / Fehler");
        const bool rateFlagged =
            d_.GroupArrivedMs[groupIndexOf(Quantity::RainRate)] != 0 && r_.Rain.RateOutOfRange;
        const Measured rate = v(Quantity::RainRate);
        const Measured today = measuredRain(d_, now_).today;
        const Measured total = v(Quantity::RainTotal);
        QStringList out;
        if (s_.NormalRegen) {
            if (rateFlagged) {
                out << outOfRange;
            } else {
                QString line = rateLabel + num(rate) + QStringLiteral(" mm/h");
                // Snow melting in a heated gauge reads as rain: say so below freezing.
                const Measured outside = v(Quantity::OutdoorTemp);
                if (rate && *rate > 0 && outside && *outside < 0 && s_.regnBeheizt)
                    line += QStringLiteral(
                        "(Beheizter Regenmesser: Wert entspricht geschmolzenem Schnee!)");
                out << line;
            }
            out << label("Regenmenge seit 0 Uhr") + num(today) + QStringLiteral(" mm");
            out << label("Regenmenge TOTAL") + num(total) + QStringLiteral(" mm");
            return out;
        }
        auto converted = [](const Measured& count) {
            return count ? real1(*count / kConvertedGauge, 3) : QStringLiteral("--");
        };
        if (rateFlagged)
            out << outOfRange;
        else
            out << rateLabel + converted(rate) + QStringLiteral(" mm/h (") + num(rate) +
                       QStringLiteral(" mm /5,5225 per hour)");
        out << label("Regenmenge seit 0 Uhr") + converted(today) + QStringLiteral(" mm (") +
                   num(today) + QStringLiteral(" mm /5,5225)");
        out << label("Regenmenge TOTAL") + converted(total) + QStringLiteral(" mm (") + num(total) +
                   QStringLiteral(" mm /5,5225)");
        return out;
    }

    const StationData& d_;
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

QStringList BuildReportLines(const StationData& data, const Settings& settings, int mode,
                             const QDateTime& now, const Formats& formats) {
    const Profile& p = ReportProfile(settings, mode);
    QStringList lines;
    if (mode >= 2) {
        lines << MailboxHeaderLine(p.Empfaenger, p.Absender, now, formats);
    }
    lines << p.Betreff << QString();
    lines << p.VOR;
    lines << QString() << QString();
    const QDateTime station = pageUtc(StationDateTime(data.Record.Clock.Time, now), settings);
    lines << QStringLiteral("Aktuelle Wetterwerte vom ") + formats.shortDate(station.date()) +
                 QStringLiteral(" um ") + formats.longTime(station.time()) + QStringLiteral(" UTC");
    lines << kRule;
    lines << PageBuilder(data, settings, now, formats).valueLines();
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
        textfile::crlfLines(BuildReportLines(context.station, settings, reportMode,
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
