#include "outputs/asynop_lines.h"

#include "outputs/mailbox_header.h"
#include "outputs/zero_pad.h"

namespace {
// Whole metres per second from tenths, halves to the even neighbour.
int wholeMetresPerSecond(int tenths) {
    int whole = tenths / 10;
    const int rest = tenths % 10;
    if (rest > 5 || (rest == 5 && whole % 2 != 0))
        ++whole;
    return whole;
}

// The figures of a group, or as many slashes (SYNOP for "not observed") when the value lies outside
// what the console can measure.
QString figures(const MeasuringRange& range, std::int64_t raw, double value, int width) {
    return ZeroPadMeasured(range, raw, value, width, QLatin1Char('/'));
}

// Sign figure ("0" above, "1" below zero) and tenths of °C, e.g. "0053" or "1053".
QString signedTenths(const TempReading& temp) {
    if (!measuring::kOutdoorTemp.contains(temp.Current))
        return QStringLiteral("////");
    return (temp.Positive ? QLatin1Char('0') : QLatin1Char('1')) + ZeroPad(qAbs(temp.Current), 3);
}
}  // namespace

QDateTime AsynopUtc(const QDateTime& localNow, int zeitzone) {
    // Plain wall-clock arithmetic: a daylight-saving switch of the machine must not move the hour.
    const QDateTime wall(localNow.date(), localNow.time(), Qt::UTC);
    return wall.addSecs(-qint64(zeitzone) * 3600);
}

QString AsynopSubjectText(const Settings& settings, const QDateTime& now, const Formats& formats) {
    return QStringLiteral("ASYNOP ") + settings.ASYNOPAbsender + QLatin1Char(' ') +
           formats.date(QStringLiteral("dd.mm.yy"), now.date());
}

QStringList AsynopHeadLines(const Settings& settings, const QDateTime& now,
                            const Formats& formats) {
    const QDate today = now.date();
    return {MailboxHeaderLine(settings.ASYNOPEmpf, settings.ASYNOPAbsender, now, formats),
            AsynopSubjectText(settings, now, formats),
            QString(),
            settings.ASYNOPvor,
            QString(),
            QStringLiteral("ASYNOP ") + ZeroPad(today.year() - 2000, 2) +
                ZeroPad(today.month(), 2) + ZeroPad(today.day(), 2),
            QStringLiteral("SXSX")};
}

QString AsynopReportLine(const WeatherRecord& r, const Settings& settings, const QDateTime& now) {
    const QDateTime utc = AsynopUtc(now, settings.Zeitzone);
    // 4: no precipitation data, also when the rate is no value the gauge can measure.
    const bool rateKnown = !r.Rain.RateOutOfRange && measuring::kRainRate.contains(r.Rain.Rate);
    const QChar indicator = !rateKnown         ? QLatin1Char('4')
                            : r.Rain.Rate != 0 ? QLatin1Char('1')
                                               : QLatin1Char('3');
    const auto& wind = r.Wind;
    const auto humidity = r.OutdoorHum.Current;
    const auto pressure = r.Barometer.SeaLevel;
    // The forecast code is one figure; a wider one would break the group.
    const auto forecast = r.Barometer.Forecast;
    QString line = settings.ASYNOPAbsender + QLatin1Char(' ');
    line += ZeroPad(utc.date().day(), 2) + ZeroPad(utc.time().hour(), 2) + QLatin1Char('1');
    line += QStringLiteral(" 99") + settings.ASYNOPLat + QLatin1Char(' ') +
            QString::number(settings.ASYNOPErdquadrant) +
            settings.ASYNOPLong.rightJustified(4, QLatin1Char('0')) + QLatin1Char(' ');
    line += indicator + QStringLiteral("6///");
    line += QStringLiteral(" /") +
            figures(measuring::kWindDirection, wind.GustDir, wind.GustDir / 10, 2) +
            figures(measuring::kWindSpeed, wind.GustSpeed, wholeMetresPerSecond(wind.GustSpeed), 2);
    line += QStringLiteral(" 1") + signedTenths(r.OutdoorTemp);
    line += QStringLiteral(" 29") + figures(measuring::kHumidity, humidity, humidity, 3);
    // Tenths of mb without the thousands figure: 1013.2 mb is "0132", 998.5 mb is "9985".
    line +=
        QStringLiteral(" 4") + figures(measuring::kSeaLevelPressure, pressure, pressure % 10000, 4);
    line += QStringLiteral(" 5") +
            (forecast <= 9 ? QString::number(forecast) : QStringLiteral("/")) +
            QStringLiteral("///");
    if (indicator == QLatin1Char('1'))
        line += QStringLiteral(" 6") + ZeroPad(r.Rain.Rate, 3);
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
