#include "archive/csv_export.h"

#include <QDateTime>
#include <QStringList>

#include "base/formats.h"

namespace {
// Each column of the minute export: its title and how many decimals its stored value has.
struct Column {
    Quantity quantity;
    const char* title;
    int decimals;
};
constexpr Column kMinuteColumns[] = {
    {Quantity::IndoorTemp, "Temperatur innen °C", 1},
    {Quantity::OutdoorTemp, "Temperatur außen °C", 1},
    {Quantity::IndoorHum, "Feuchte innen %", 0},
    {Quantity::OutdoorHum, "Feuchte außen %", 0},
    {Quantity::IndoorDew, "Taupunkt innen °C", 0},
    {Quantity::OutdoorDew, "Taupunkt außen °C", 0},
    {Quantity::PressureLocal, "Luftdruck mb", 0},
    {Quantity::PressureSea, "Luftdruck Meereshöhe mb", 1},
    {Quantity::GustSpeed, "Böe m/s", 1},
    {Quantity::GustDir, "Böe Richtung °", 0},
    {Quantity::AvgSpeed, "Wind m/s", 1},
    {Quantity::AvgDir, "Wind Richtung °", 0},
    {Quantity::MinuteGust, "Höchste Böe der Minute m/s", 1},
    {Quantity::MinuteGustDir, "Höchste Böe Richtung °", 0},
    {Quantity::Windchill, "Windchill °C", 0},
    {Quantity::RainRate, "Regenrate mm/h", 0},
    {Quantity::RainTotal, "Regen gesamt mm", 0},
};

constexpr int kLinesPerChunk = 500;

QString number(const std::optional<std::int32_t>& v, int decimals) {
    return v ? Formats::german().fixed(*v, decimals) : QString();
}
QString mean(const std::optional<double>& v, int decimals) {
    // The stored units are tenths or wholes; the mean is written with one decimal more than them.
    return v ? Formats::german().real(*v / (decimals == 1 ? 10.0 : 1.0), decimals == 1 ? 2 : 1)
             : QString();
}
QString localTime(std::int64_t minute, std::int32_t offset) {
    return QDateTime::fromSecsSinceEpoch(minute + offset, Qt::UTC)
        .toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}
// The time of day of a day's extreme, with the offset stored with its minute (a day of a clock
// change has two).
QString timeOfDay(ArchiveReader& reader, const std::optional<TimedValue>& v) {
    if (!v)
        return QString();
    const std::optional<MinuteRow> row = reader.minuteAt(v->minute);
    const std::int32_t offset =
        row ? row->utcOffset : QDateTime::fromSecsSinceEpoch(v->minute).offsetFromUtc();
    return QDateTime::fromSecsSinceEpoch(v->minute + offset, Qt::UTC)
        .toString(QStringLiteral("HH:mm"));
}

class Chunks {
public:
    explicit Chunks(const CsvSink& sink) : sink_(sink) {}
    void line(const QStringList& fields) {
        bytes_ += fields.join(QLatin1Char(';')).toUtf8() + "\r\n";
        if (++lines_ == kLinesPerChunk)
            flush();
    }
    bool flush() {
        if (good_ && !bytes_.isEmpty())
            good_ = sink_(bytes_);
        bytes_.clear();
        lines_ = 0;
        return good_;
    }
    void bom() { bytes_ += "\xEF\xBB\xBF"; }

private:
    const CsvSink& sink_;
    QByteArray bytes_;
    int lines_ = 0;
    bool good_ = true;
};
}  // namespace

bool exportCsv(ArchiveReader& reader, std::int64_t from, std::int64_t to, CsvRows rows,
               const CsvSink& sink) {
    Chunks out(sink);
    out.bom();
    if (rows == CsvRows::Minutes) {
        QStringList header{QStringLiteral("Zeit")};
        for (const Column& c : kMinuteColumns)
            header << QString::fromUtf8(c.title);
        out.line(header);
        reader.forEachMinute(from, to, [&out](const MinuteRow& row) {
            QStringList fields{localTime(row.minute, row.utcOffset)};
            for (const Column& c : kMinuteColumns)
                fields << number(row[c.quantity], c.decimals);
            out.line(fields);
        });
        return out.flush();
    }
    out.line(QString::fromUtf8("Datum;Höchsttemperatur °C;um;Tiefsttemperatur °C;um;"
                               "Temperatur Mittel °C;Feuchte Mittel %;Luftdruck Mittel mb;"
                               "Wind Mittel m/s;Stärkste Böe m/s;Böe Richtung °;um;Regen mm")
                 .split(QLatin1Char(';')));
    for (const DaySummary& day : reader.dailySummaries(from, to)) {
        const auto value = [](const std::optional<TimedValue>& v) {
            return v ? std::optional<std::int32_t>(v->value) : std::nullopt;
        };
        std::optional<TimedValue> gustValue;
        std::optional<std::int32_t> gustDir;
        if (day.gust) {
            gustValue = day.gust->speed;
            gustDir = day.gust->direction;
        }
        out.line({day.day.toString(QStringLiteral("dd.MM.yyyy")), number(value(day.tempHigh), 1),
                  timeOfDay(reader, day.tempHigh), number(value(day.tempLow), 1),
                  timeOfDay(reader, day.tempLow), mean(day.tempMean, 1), mean(day.humidityMean, 0),
                  mean(day.pressureMean, 1), mean(day.windMean, 1), number(value(gustValue), 1),
                  number(gustDir, 0), timeOfDay(reader, gustValue), number(day.rain, 0)});
    }
    return out.flush();
}

namespace {
// A bound as a local moment; a day alone is its start, or for the end its next day's start.
std::optional<QDateTime> bound(const QString& text, bool end) {
    for (const QString& form : {QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy")}) {
        const QDate day = QDate::fromString(text, form);
        if (day.isValid())
            return QDateTime(end ? day.addDays(1) : day, QTime(0, 0));
    }
    for (const QString& form :
         {QStringLiteral("yyyy-MM-ddTHH:mm"), QStringLiteral("yyyy-MM-ddTHH:mm:ss"),
          QStringLiteral("yyyy-MM-dd HH:mm")}) {
        const QDateTime moment = QDateTime::fromString(text, form);
        if (moment.isValid())
            return moment;
    }
    return std::nullopt;
}
}  // namespace

bool exportRange(const QString& from, const QString& to, std::int64_t* fromSeconds,
                 std::int64_t* toSeconds, QString* error) {
    const auto start = bound(from, false);
    const auto end = bound(to, true);
    if (!start || !end) {
        *error = QStringLiteral("'%1' ist kein Tag wie 2024-06-01 oder 01.06.2024")
                     .arg(start ? to : from);
        return false;
    }
    if (*end <= *start) {
        *error = QStringLiteral("Der Zeitraum von %1 bis %2 ist leer").arg(from, to);
        return false;
    }
    *fromSeconds = start->toSecsSinceEpoch();
    *toSeconds = end->toSecsSinceEpoch();
    return true;
}
