#include "archive/log_line.h"

#include <QDateTime>

#include "station/group_table.h"
#include "station/quality_gate.h"
#include "station/weather_words.h"

namespace {
// A field of the line: its first column and width, the quantity and whether it is written in
// tenths with a decimal point.
struct Field {
    int at;
    int width;
    Quantity quantity;
    bool tenths;
};

// The columns of the writer's line: date 0-9, time 10-20, then the values; the trend and forecast
// words (84-109) are not archived.
constexpr Field kFields[] = {
    {21, 9, Quantity::OutdoorHum, false},    {30, 9, Quantity::IndoorHum, false},
    {39, 7, Quantity::IndoorTemp, true},     {46, 7, Quantity::OutdoorTemp, true},
    {55, 5, Quantity::IndoorDew, false},     {60, 7, Quantity::OutdoorDew, false},
    {67, 7, Quantity::PressureLocal, false}, {74, 8, Quantity::PressureSea, true},
    {110, 7, Quantity::RainRate, false},     {117, 7, Quantity::GustSpeed, true},
    {124, 7, Quantity::GustDir, false},      {131, 7, Quantity::Windchill, false},
};
constexpr int kLineLength = 138;
// The trend and forecast words, written left-aligned from these columns.
constexpr int kWordsFrom = 84;
constexpr int kWordsTo = 110;
// The years the archive's minute key and the daily values can hold.
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2105;

// Whether the line stops where a field ends. Numbers are written right-aligned, so a line cut
// inside a number (a direction of 247 cut to 24) stops short of its field's last column; blank
// fields at the end may have been trimmed. Among the words the last one must be whole.
bool endsWithWholeField(const QString& line) {
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == QLatin1Char(' '))
        --end;
    if (end == 21)
        return true;  // the time's end
    for (const Field& f : kFields)
        if (end == f.at + f.width)
            return true;
    if (end <= kWordsFrom || end > kWordsTo)
        return false;
    const QString last = line.left(end).section(QLatin1Char(' '), -1);
    for (std::uint8_t code : {1, 2, 4, 8})
        if (last == TrendWord(code) || last == ForecastWord(code))
            return true;
    return false;
}

// A field's number: whole, or with one decimal after a point; nullopt (and *ok false) when the
// field holds anything else.
std::optional<std::int32_t> number(const QString& text, bool tenths, bool* ok) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool good = false;
    std::int32_t value = 0;
    if (tenths) {
        const qsizetype point = t.indexOf(QLatin1Char('.'));
        if (point > 0 && point == t.size() - 2 && t[point + 1].isDigit()) {
            const int whole = t.left(point).toInt(&good);
            const int tenth = t[point + 1].digitValue();
            const bool negative = t.startsWith(QLatin1Char('-'));
            value = whole * 10 + (negative ? -tenth : tenth);
        }
    } else {
        value = t.toInt(&good);
    }
    if (!good)
        *ok = false;
    return good ? std::optional<std::int32_t>(value) : std::nullopt;
}
}  // namespace

LogLineResult readLogLine(const QString& raw) {
    LogLineResult result;
    QString line = raw;
    while (line.endsWith(QLatin1Char('\r')) || line.endsWith(QLatin1Char('\n')))
        line.chop(1);
    if (line.trimmed().isEmpty()) {
        result.kind = LogLineKind::Blank;
        return result;
    }
    if (line.trimmed().startsWith(QLatin1String("Datum"))) {
        result.kind = LogLineKind::Header;
        return result;
    }
    // A line whose blank fields at the end were trimmed by an editor is still read.
    if (line.size() > kLineLength || !endsWithWholeField(line))
        return result;
    line = line.leftJustified(kLineLength);
    const QDate date = QDate::fromString(line.left(10), QStringLiteral("dd.MM.yyyy"));
    const QTime time = QTime::fromString(line.mid(10, 11).trimmed(), QStringLiteral("HH:mm:ss"));
    if (!date.isValid() || !time.isValid() || date.year() < kFirstYear || date.year() > kLastYear)
        return result;
    result.shown = QDateTime(date, time);  // the log's times are the station's local ones
    LocalTimeRun alone;
    placeLogLine(result, alone);
    MinuteRow& row = result.row;
    bool ok = true;
    for (const Field& f : kFields) {
        const std::optional<std::int32_t> value = number(line.mid(f.at, f.width), f.tenths, &ok);
        // A value outside what the console can measure stays empty, as the log writes it.
        if (const Measured checked = value ? measuredValue(f.quantity, *value) : std::nullopt) {
            row[f.quantity] = *checked;
            row.groups |= kGroups[groupIndexOf(f.quantity)].bit();
        }
    }
    if (!ok || row.groups == 0)
        return result;
    // One snapshot per line: its gust stands for the minute's highest.
    row[Quantity::MinuteGust] = row[Quantity::GustSpeed];
    row[Quantity::MinuteGustDir] = row[Quantity::GustDir];
    result.kind = LogLineKind::Data;
    return result;
}

void placeLogLine(LogLineResult& line, LocalTimeRun& run) {
    const LocalTimeRun::Instant at = run.read(line.shown);
    line.row.minute = at.utc - ((at.utc % 60) + 60) % 60;
    line.row.utcOffset = at.utcOffset;
}
