#include "archive/climate_report.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include "base/formats.h"
#include "base/text_file.h"

namespace {
// The minutes of a local day (1380 or 1500 on the days the clock changes).
int minutesOfDay(const QDate& day) {
    return int(day.startOfDay().secsTo(day.addDays(1).startOfDay()) / 60);
}

ClimateLine lineOfDay(const DaySummary& s) {
    ClimateLine line;
    line.index = s.day.day();
    line.high = s.tempHigh;
    line.low = s.tempLow;
    line.tempMean = s.tempMean;
    line.humidityMean = s.humidityMean;
    line.pressureMean = s.pressureMean;
    line.windMean = s.windMean;
    line.gust = s.gust;
    line.rain = s.rain;
    line.minutes = s.minutes;
    return line;
}

// The day counts of one day with enough data.
void countDay(const ClimateLine& day, ClimateCounts& c) {
    if (!day.enough) {
        ++c.shortDays;
        return;
    }
    if (day.high) {
        c.iceDays += day.high->value < 0;
        c.summerDays += day.high->value >= 250;
        c.hotDays += day.high->value >= 300;
    }
    if (day.low) {
        c.frostDays += day.low->value < 0;
        c.tropicalNights += day.low->value >= 200;
    }
    if (day.rain) {
        c.rainDays += *day.rain * 10 >= 1;
        c.wetDays += *day.rain >= 1;
    }
}

// A line over several days: their extremes (the earliest of equal ones), the means of their means,
// their rain and their counts.
ClimateLine combine(const std::vector<ClimateLine>& days, int index) {
    ClimateLine all;
    all.index = index;
    struct Mean {
        double sum = 0;
        int n = 0;
        void add(const std::optional<double>& v) {
            if (v) {
                sum += *v;
                ++n;
            }
        }
        std::optional<double> value() const {
            return n ? std::optional<double>(sum / n) : std::nullopt;
        }
    } temp, hum, pressure, wind;
    for (const ClimateLine& d : days) {
        if (d.high && (!all.high || d.high->value > all.high->value))
            all.high = d.high;
        if (d.low && (!all.low || d.low->value < all.low->value))
            all.low = d.low;
        if (d.gust && (!all.gust || d.gust->speed.value > all.gust->speed.value))
            all.gust = d.gust;
        if (d.rain)
            all.rain = all.rain.value_or(0) + *d.rain;
        temp.add(d.tempMean);
        hum.add(d.humidityMean);
        pressure.add(d.pressureMean);
        wind.add(d.windMean);
        all.minutes += d.minutes;
        all.expectedMinutes += d.expectedMinutes;
        const ClimateCounts& c = d.counts;
        all.counts.iceDays += c.iceDays;
        all.counts.frostDays += c.frostDays;
        all.counts.summerDays += c.summerDays;
        all.counts.hotDays += c.hotDays;
        all.counts.tropicalNights += c.tropicalNights;
        all.counts.rainDays += c.rainDays;
        all.counts.wetDays += c.wetDays;
        all.counts.shortDays += c.shortDays;
    }
    all.tempMean = temp.value();
    all.humidityMean = hum.value();
    all.pressureMean = pressure.value();
    all.windMean = wind.value();
    all.enough = all.expectedMinutes > 0 && all.minutes * 5 >= all.expectedMinutes * 4;
    return all;
}

// Every day of [first, last] with its summary (a day without rows has none and too little data).
std::vector<ClimateLine> daysOf(ArchiveReader& reader, const QDate& first, const QDate& last) {
    const std::vector<DaySummary> summaries = reader.dailySummaries(
        first.startOfDay().toSecsSinceEpoch(), last.addDays(1).startOfDay().toSecsSinceEpoch());
    std::vector<ClimateLine> days;
    auto next = summaries.begin();
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        while (next != summaries.end() && next->day < day)
            ++next;
        ClimateLine line;
        if (next != summaries.end() && next->day == day)
            line = lineOfDay(*next);
        line.index = day.day();
        line.expectedMinutes = minutesOfDay(day);
        line.enough = line.minutes * 5 >= line.expectedMinutes * 4;
        countDay(line, line.counts);
        days.push_back(line);
    }
    return days;
}
}  // namespace

ClimateReport climateReport(ArchiveReader& reader, int year, int month) {
    ClimateReport report;
    report.year = year;
    report.month = month;
    if (month > 0) {
        const QDate first(year, month, 1);
        report.lines = daysOf(reader, first, first.addMonths(1).addDays(-1));
        report.total = combine(report.lines, 0);
        return report;
    }
    const std::vector<ClimateLine> days = daysOf(reader, QDate(year, 1, 1), QDate(year, 12, 31));
    std::size_t at = 0;
    for (int m = 1; m <= 12; ++m) {
        const std::size_t count = std::size_t(QDate(year, m, 1).daysInMonth());
        report.lines.push_back(combine(
            {days.begin() + std::ptrdiff_t(at), days.begin() + std::ptrdiff_t(at + count)}, m));
        at += count;
    }
    report.total = combine(days, 0);
    return report;
}

namespace {
const char* const kCompass[] = {"N", "NNO", "NO", "ONO", "O", "OSO", "SO", "SSO",
                                "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};

QString right(const QString& text, int width) {
    return text.rightJustified(width, QLatin1Char(' '));
}
QString tenths(const std::optional<std::int32_t>& v, int width) {
    return right(v ? Formats::fixedPoint(*v, 1) : QStringLiteral("-"), width);
}
QString mean(const std::optional<double>& v, double scale, int decimals, int width) {
    return right(v ? QString::number(*v / scale, 'f', decimals) : QStringLiteral("-"), width);
}
std::optional<std::int32_t> valueOf(const std::optional<TimedValue>& v) {
    return v ? std::optional<std::int32_t>(v->value) : std::nullopt;
}

// When an extreme was reached, in the local time of its minute: "14:20" within a month's day,
// "03. 14:20" in a yearly or period line.
class Moments {
public:
    Moments(ArchiveReader& reader, bool withDay) : reader_(reader), withDay_(withDay) {}
    QString operator()(const std::optional<TimedValue>& v, int width) const {
        if (!v)
            return right(QStringLiteral("-"), width);
        const std::optional<MinuteRow> row = reader_.minuteAt(v->minute);
        const std::int32_t offset =
            row ? row->utcOffset : QDateTime::fromSecsSinceEpoch(v->minute).offsetFromUtc();
        const QDateTime at = QDateTime::fromSecsSinceEpoch(v->minute + offset, Qt::UTC);
        return right(
            at.toString(withDay_ ? QStringLiteral("dd.MM. HH:mm") : QStringLiteral("HH:mm")),
            width);
    }

private:
    ArchiveReader& reader_;
    bool withDay_;
};

QString direction(const std::optional<TimedGust>& g) {
    if (!g || !g->direction)
        return right(QStringLiteral("-"), 4);
    return right(QLatin1String(kCompass[((*g->direction % 360) * 2 + 22) / 45 % 16]), 4);
}

QString columnsOf(const ClimateLine& l, const QString& label, const Moments& when, int timeWidth) {
    const std::optional<TimedValue> gust =
        l.gust ? std::optional<TimedValue>(l.gust->speed) : std::nullopt;
    return label + mean(l.tempMean, 10, 1, 7) + tenths(valueOf(l.high), 7) +
           when(l.high, timeWidth) + tenths(valueOf(l.low), 7) + when(l.low, timeWidth) +
           mean(l.humidityMean, 1, 0, 6) + mean(l.pressureMean, 10, 1, 8) +
           right(l.rain ? QString::number(*l.rain) : QStringLiteral("-"), 6) +
           tenths(valueOf(gust), 6) + direction(l.gust) + when(gust, timeWidth) +
           mean(l.windMean, 10, 1, 6);
}

QString countsLine(const ClimateCounts& c) {
    return QStringLiteral("%1%2%3%4%5%6%7")
        .arg(c.iceDays, 5)
        .arg(c.frostDays, 6)
        .arg(c.summerDays, 5)
        .arg(c.hotDays, 5)
        .arg(c.tropicalNights, 5)
        .arg(c.rainDays, 6)
        .arg(c.wetDays, 5);
}
const QString kCountsHeader = QStringLiteral("  Eis Frost Somm Heiß Trop R0.1   R1");
}  // namespace

QStringList climateReportText(ArchiveReader& reader, const ClimateReport& report) {
    const bool yearly = report.month == 0;
    const int timeWidth = yearly ? 13 : 6;
    const Moments when(reader, yearly);
    const Moments whenInPeriod(reader, true);
    const QString pad(timeWidth - 3, QLatin1Char(' '));
    QStringList lines;
    lines << (yearly ? QStringLiteral("Klimabericht %1").arg(report.year)
                     : QStringLiteral("Klimabericht %1 %2")
                           .arg(Formats::german().monthName(report.month))
                           .arg(report.year))
          << QString();
    const QString head = yearly ? QStringLiteral("Monat") : QStringLiteral("Tag  ");
    lines << head + QStringLiteral(" Mittel    Max") + pad + QStringLiteral(" um    Min") + pad +
                 QStringLiteral(" um Feuchte Luftdr. Regen   Böe Ri.") + pad +
                 QStringLiteral(" um  Wind") + (yearly ? kCountsHeader : QString())
          << QStringLiteral("        °C     °C") + QString(timeWidth, QLatin1Char(' ')) +
                 QStringLiteral("     °C") + QString(timeWidth, QLatin1Char(' ')) +
                 QStringLiteral("     %     hPa    mm   m/s") +
                 QString(4 + timeWidth, QLatin1Char(' ')) + QStringLiteral("   m/s");
    for (const ClimateLine& l : report.lines) {
        QString label = yearly ? Formats::german().monthAbbreviation(l.index).leftJustified(5)
                               : QString::number(l.index).rightJustified(3) +
                                     (l.enough ? QStringLiteral("  ") : QStringLiteral("* "));
        QString line = columnsOf(l, label, when, timeWidth);
        if (yearly)
            line += countsLine(l.counts);
        lines << line;
    }
    lines << QString()
          << columnsOf(report.total, yearly ? QStringLiteral("Jahr ") : QStringLiteral("Monat"),
                       whenInPeriod, 13);
    const ClimateCounts& c = report.total.counts;
    lines << QString()
          << QStringLiteral("Eistage (Höchstwert unter 0 °C):        %1").arg(c.iceDays, 4)
          << QStringLiteral("Frosttage (Tiefstwert unter 0 °C):      %1").arg(c.frostDays, 4)
          << QStringLiteral("Sommertage (Höchstwert ab 25 °C):       %1").arg(c.summerDays, 4)
          << QStringLiteral("Heiße Tage (Höchstwert ab 30 °C):       %1").arg(c.hotDays, 4)
          << QStringLiteral("Tropennächte (Tiefstwert ab 20 °C):     %1").arg(c.tropicalNights, 4)
          << QStringLiteral("Regentage (ab 0.1 mm):                  %1").arg(c.rainDays, 4)
          << QStringLiteral("Regentage (ab 1 mm):                    %1").arg(c.wetDays, 4)
          << QStringLiteral("Tage mit zu wenig Daten (nicht gezählt):%1").arg(c.shortDays, 4);
    if (!yearly && c.shortDays > 0)
        lines << QStringLiteral("* unter 80 % der Minuten im Archiv");
    std::int64_t from = 0, to = 0;
    const QDate first(report.year, yearly ? 1 : report.month, 1);
    from = first.startOfDay().toSecsSinceEpoch();
    to = (yearly ? first.addYears(1) : first.addMonths(1)).startOfDay().toSecsSinceEpoch();
    if (!reader.marks(from, to).empty())
        lines << QStringLiteral("Als ungültig markierte Werte sind nicht berücksichtigt.");
    return lines;
}

bool parseReportPeriod(const QString& text, int* year, int* month, QString* error) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})(?:-(\\d{1,2}))?$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    const int y = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int m = match.hasMatch() && match.hasCaptured(2) ? match.captured(2).toInt() : 0;
    if (!match.hasMatch() || y < 1970 || m > 12 || (match.hasCaptured(2) && m < 1)) {
        *error = QStringLiteral("'%1' ist kein Monat wie 2026-11 und kein Jahr wie 2026").arg(text);
        return false;
    }
    *year = y;
    *month = m;
    return true;
}

QString reportFileName(int year, int month) {
    return month > 0
               ? QStringLiteral("Bericht-%1-%2.txt").arg(year).arg(month, 2, 10, QLatin1Char('0'))
               : QStringLiteral("Bericht-%1.txt").arg(year);
}

bool writeClimateReport(ArchiveReader& reader, const QString& folder, int year, int month,
                        QString* error) {
    if (!textfile::makeFolder(folder, error))
        return false;
    const QString path = QDir(folder).filePath(reportFileName(year, month));
    QString reason;
    if (textfile::replaceWhole(
            path,
            textfile::crlfLines(climateReportText(reader, climateReport(reader, year, month))),
            &reason))
        return true;
    *error = textfile::failureDetails(path, reason);
    return false;
}
