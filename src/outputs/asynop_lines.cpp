#include "outputs/asynop_lines.h"

#include "config/time_zone.h"
#include "outputs/mailbox_header.h"
#include "outputs/zero_pad.h"
#include "station/quality_gate.h"

namespace {
// Whole metres per second from tenths, halves to the even neighbour.
int wholeMetresPerSecond(int tenths) {
    int whole = tenths / 10;
    const int rest = tenths % 10;
    if (rest > 5 || (rest == 5 && whole % 2 != 0))
        ++whole;
    return whole;
}

// The figures of a group, or as many slashes (SYNOP for "not observed") for a missing value.
template <typename Figures>
QString figures(const Measured& value, Figures toFigures, int width) {
    return ZeroPadOr(value ? std::optional<double>(toFigures(*value)) : std::nullopt, width,
                     QLatin1Char('/'));
}

// Sign figure ("0" above, "1" below zero) and tenths of °C, e.g. "0053" or "1053".
QString signedTenths(const Measured& tenths, bool positive) {
    if (!tenths)
        return QStringLiteral("////");
    return (positive ? QLatin1Char('0') : QLatin1Char('1')) + ZeroPad(qAbs(*tenths), 3);
}

std::int32_t same(std::int32_t v) {
    return v;
}
}  // namespace

QDateTime AsynopUtc(const QDateTime& localNow, const Settings& settings) {
    // Plain wall-clock arithmetic with the offset of that moment: with a fixed Zeitzone a
    // daylight-saving switch of the machine must not move the hour; with "System" it does.
    const QDateTime wall(localNow.date(), localNow.time(), Qt::UTC);
    return wall.addSecs(-zoneOffsetSeconds(settings, localNow));
}

QString AsynopSubjectText(const QString& sender, const QDateTime& now, const Formats& formats) {
    return QStringLiteral("ASYNOP ") + sender + QLatin1Char(' ') +
           formats.date(QStringLiteral("dd.mm.yy"), now.date());
}

QStringList AsynopHeadLines(const Settings& settings, const QString& sender, const QDateTime& now,
                            const Formats& formats) {
    const QDate today = now.date();
    return {MailboxHeaderLine(settings.ASYNOPEmpf, sender, now, formats),
            AsynopSubjectText(sender, now, formats),
            QString(),
            settings.ASYNOPvor,
            QString(),
            QStringLiteral("ASYNOP ") + ZeroPad(today.year() - 2000, 2) +
                ZeroPad(today.month(), 2) + ZeroPad(today.day(), 2),
            QStringLiteral("SXSX")};
}

QString AsynopReportLine(const StationData& data, const Settings& settings, const QDateTime& now) {
    return AsynopReportLine(data, settings, settings.ASYNOPAbsender, now);
}

QString AsynopReportLine(const StationData& data, const Settings& settings, const QString& sender,
                         const QDateTime& now) {
    const WeatherRecord& r = data.Record;
    auto v = [&data](Quantity q) { return measured(data, q); };
    const QDateTime utc = AsynopUtc(now, settings);
    // 4: no precipitation data, also when the rate is no value the gauge can measure.
    const Measured rate = v(Quantity::RainRate);
    const QChar indicator = !rate        ? QLatin1Char('4')
                            : *rate != 0 ? QLatin1Char('1')
                                         : QLatin1Char('3');
    // The forecast code is one figure; a wider one would break the group.
    const auto forecast = r.Barometer.Forecast;
    QString line = sender + QLatin1Char(' ');
    line += ZeroPad(utc.date().day(), 2) + ZeroPad(utc.time().hour(), 2) + QLatin1Char('1');
    line += QStringLiteral(" 99") + settings.ASYNOPLat + QLatin1Char(' ') +
            QString::number(settings.ASYNOPErdquadrant) +
            settings.ASYNOPLong.rightJustified(4, QLatin1Char('0')) + QLatin1Char(' ');
    line += indicator + QStringLiteral("6///");
    line += QStringLiteral(" /") +
            figures(
                v(Quantity::GustDir), [](std::int32_t d) { return d / 10; }, 2) +
            figures(v(Quantity::GustSpeed), wholeMetresPerSecond, 2);
    line += QStringLiteral(" 1") + signedTenths(v(Quantity::OutdoorTemp), r.OutdoorTemp.Positive);
    line += QStringLiteral(" 29") + figures(v(Quantity::OutdoorHum), same, 3);
    // Tenths of mb without the thousands figure: 1013.2 mb is "0132", 998.5 mb is "9985".
    line += QStringLiteral(" 4") +
            figures(
                v(Quantity::PressureSea), [](std::int32_t p) { return p % 10000; }, 4);
    line += QStringLiteral(" 5") +
            (forecast <= 9 ? QString::number(forecast) : QStringLiteral("/")) +
            QStringLiteral("///");
    if (indicator == QLatin1Char('1'))
        line += QStringLiteral(" 6") + ZeroPad(*rate, 3);
    line += QLatin1Char('=');
    return line;
}

QStringList AsynopEndLines(const Settings& settings) {
    return {QStringLiteral("/QAM/"), QString(), settings.ASYNOPnach};
}

QString AsynopStatusFromLines(const QStringList& lines, const QString& sender) {
    // The line after "SXSX" and all that follow are looked at, except the file's last line.
    const qsizetype start = lines.indexOf(QStringLiteral("SXSX"));
    int count = 1;
    if (start >= 0) {
        for (qsizetype i = start + 1; i + 1 < lines.size(); ++i)
            if (lines.at(i).startsWith(sender, Qt::CaseSensitive))
                ++count;
    }
    return QStringLiteral("ASYNOP: ") + QString(count, QLatin1Char('X'));
}
