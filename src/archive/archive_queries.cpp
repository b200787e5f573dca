#include "archive/archive_queries.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <atomic>
#include <map>

#include "archive/archive_schema.h"
#include "archive/hour_rollup.h"
#include "archive/prepared_statements.h"

namespace {
constexpr std::int64_t kMinuteMask = packing::kMinuteMask;
constexpr std::int64_t kGustShift = packing::kGustShift;
constexpr int kNoDirection = packing::kNoDirection;
constexpr std::int64_t kHour = 3600;

// The local day of an hour row.
const QString kLocalDay = QStringLiteral("((hour + utc_offset) / 86400)");

std::optional<TimedValue> lowFrom(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    const std::int64_t packed = v.toLongLong();
    return TimedValue{std::int32_t(packed >> 32), packed & kMinuteMask};
}
std::optional<TimedValue> highFrom(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    const std::int64_t packed = v.toLongLong();
    return TimedValue{std::int32_t(packed >> 32), kMinuteMask - (packed & kMinuteMask)};
}
std::optional<TimedGust> gustFrom(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    const std::int64_t packed = v.toLongLong();
    const int direction = int(packed & 511);
    TimedGust gust;
    gust.speed = {std::int32_t(packed / kGustShift), kMinuteMask - ((packed >> 9) & kMinuteMask)};
    if (direction != kNoDirection)
        gust.direction = direction;
    return gust;
}
std::optional<double> meanFrom(const QVariant& sum, const QVariant& count) {
    return count.toLongLong() > 0 ? std::optional<double>(sum.toDouble() / count.toDouble())
                                  : std::nullopt;
}
QString lo(Quantity q) {
    return QStringLiteral("lo_") + QLatin1String(quantityColumn(q));
}
QString hi(Quantity q) {
    return QStringLiteral("hi_") + QLatin1String(quantityColumn(q));
}
// The hours that hold [from, to): whole hours, the first and last one perhaps only in part.
std::int64_t hourFloor(std::int64_t t) {
    return t - ((t % kHour) + kHour) % kHour;
}
std::int64_t hourCeil(std::int64_t t) {
    return hourFloor(t + kHour - 1);
}

// Where [from, to) is read from: the whole local days inside it from the day table, the other
// whole hours from the hour table, the parts of hours at its ends from the minutes. A day counts
// as whole when all its hours lie inside the range; those days follow one another, and their hours
// are [dayHoursFrom, dayHoursTo).
struct Span {
    std::int64_t from = 0, to = 0;
    std::int64_t wholeFrom = 0, wholeTo = 0;        // whole hours
    std::int64_t dayFrom = 1, dayTo = 0;            // whole days (none: from > to)
    std::int64_t dayHoursFrom = 0, dayHoursTo = 0;  // their hours
};
Span spanOf(PreparedStatements& statements, std::int64_t from, std::int64_t to, bool wholeDays) {
    Span s;
    s.from = from;
    s.to = to;
    s.wholeFrom = hourCeil(from);
    s.wholeTo = hourFloor(to);
    if (s.wholeTo <= s.wholeFrom)
        s.wholeFrom = s.wholeTo = to;
    s.dayHoursFrom = s.dayHoursTo = s.wholeTo;
    if (!wholeDays || s.wholeTo - s.wholeFrom < 86400 - 2 * kHour)
        return s;
    // The key's range first (offsets lie within ±14 hours), then the days wholly inside.
    const PreparedStatements::Use query = statements.use(QStringLiteral(
        "SELECT MIN(day), MAX(day), MIN(first_hour), MAX(last_hour) FROM days WHERE day >= :a "
        "AND day <= :b AND first_hour >= :wf AND last_hour < :wt"));
    if (!query)
        return s;
    query->bindValue(QStringLiteral(":a"), qint64(s.wholeFrom / 86400 - 1));
    query->bindValue(QStringLiteral(":b"), qint64(s.wholeTo / 86400 + 1));
    query->bindValue(QStringLiteral(":wf"), qint64(s.wholeFrom));
    query->bindValue(QStringLiteral(":wt"), qint64(s.wholeTo));
    if (query->exec() && query->next() && !query->value(0).isNull()) {
        s.dayFrom = query->value(0).toLongLong();
        s.dayTo = query->value(1).toLongLong();
        s.dayHoursFrom = query->value(2).toLongLong();
        s.dayHoursTo = query->value(3).toLongLong() + kHour;
    }
    return s;
}
void bindSpan(QSqlQuery& query, const Span& s) {
    query.bindValue(QStringLiteral(":from"), qint64(s.from));
    query.bindValue(QStringLiteral(":to"), qint64(s.to));
    query.bindValue(QStringLiteral(":wf"), qint64(s.wholeFrom));
    query.bindValue(QStringLiteral(":wt"), qint64(s.wholeTo));
    query.bindValue(QStringLiteral(":df"), qint64(s.dayFrom));
    query.bindValue(QStringLiteral(":dt"), qint64(s.dayTo));
    query.bindValue(QStringLiteral(":dhf"), qint64(s.dayHoursFrom));
    query.bindValue(QStringLiteral(":dht"), qint64(s.dayHoursTo));
}
// The three parts' filters (bound by bindSpan). The hours are two ranges of the key, so that the
// hours of the whole days are not even visited.
const QString kDaysPart = QStringLiteral("FROM days WHERE day >= :df AND day <= :dt");
const QString kHoursPart = QStringLiteral(
    "FROM hours WHERE ((hour >= :wf AND hour < :dhf) OR (hour >= :dht AND hour < :wt))");
const QString kMinutesPart = QStringLiteral(
    "FROM clean_minutes WHERE ((minute >= :from AND minute < :wf) OR (minute >= :wt AND minute < "
    ":to))");

// The rows of [from, to) for an aggregate, from the three parts of its span. Each output column
// is given as its day-table, hour-table and minute-table expression; `names` are the columns'
// names in the union.
QString spanUnion(const QStringList& names, const QStringList& fromDays,
                  const QStringList& fromHours, const QStringList& fromMinutes) {
    QStringList dayColumns, hourColumns, minuteColumns;
    for (qsizetype i = 0; i < names.size(); ++i) {
        dayColumns << fromDays[i] + QStringLiteral(" AS ") + names[i];
        hourColumns << fromHours[i];
        minuteColumns << fromMinutes[i];
    }
    return QStringLiteral("SELECT %1 %2 UNION ALL SELECT %3 %4 UNION ALL SELECT %5 %6")
        .arg(dayColumns.join(QStringLiteral(", ")), kDaysPart,
             hourColumns.join(QStringLiteral(", ")), kHoursPart,
             minuteColumns.join(QStringLiteral(", ")), kMinutesPart);
}
const QString kGustOfMinute = QStringLiteral(
    "minute_gust * 2199023255552 + (4294967295 - minute) * 512 + COALESCE(minute_gust_dir, 511)");
QString hiOfMinute(const QString& c) {
    return QStringLiteral("%1 * 4294967296 + (4294967295 - minute)").arg(c);
}
QString loOfMinute(const QString& c) {
    return QStringLiteral("%1 * 4294967296 + minute").arg(c);
}

// The rain per local bucket (an hour: 3600, a day: 86400) of [from, to), only buckets with rain
// rows: whole days and hours inside the range from the rises the day and hour tables keep, the
// parts of hours at its ends from the minutes' own rises (each against the row with a total
// before it, which may lie before the range), so that no rain from outside the range is counted.
std::map<std::int64_t, std::int32_t> rainPer(PreparedStatements& statements, std::int64_t from,
                                             std::int64_t to, int bucketSeconds = 86400) {
    const Span span = spanOf(statements, from, to, bucketSeconds == 86400);
    std::map<std::int64_t, std::int32_t> rain;
    const PreparedStatements::Use query = statements.use(
        QStringLiteral(
            "SELECT b, SUM(r) FROM (SELECT day AS b, rain AS r %2 AND rain_rows > 0 UNION ALL "
            "SELECT (hour + utc_offset) / %1 AS b, rain AS r %3 AND rain_rows > 0 UNION ALL SELECT "
            "(minute + utc_offset) / %1 AS b, CASE WHEN p IS NULL THEN 0 WHEN rain_total >= p THEN "
            "rain_total - p ELSE rain_total END AS r FROM (SELECT minute, utc_offset, rain_total, "
            "(SELECT e.rain_total FROM clean_minutes e WHERE e.minute < m.minute AND e.rain_total "
            "IS NOT "
            "NULL ORDER BY e.minute DESC LIMIT 1) AS p FROM clean_minutes m WHERE rain_total IS "
            "NOT NULL "
            "AND ((minute >= :from AND minute < :wf) OR (minute >= :wt AND minute < :to)))) GROUP "
            "BY b")
            .arg(QString::number(bucketSeconds), kDaysPart, kHoursPart));
    if (!query)
        return rain;
    bindSpan(*query, span);
    if (query->exec())
        while (query->next())
            rain[query->value(0).toLongLong()] = query->value(1).toInt();
    return rain;
}

QDate dayFromIndex(std::int64_t day) {
    return QDate::fromJulianDay(2440588 + day);  // day 0 is 1 January 1970
}
}  // namespace

QDate localDayOf(std::int64_t minute, std::int32_t utcOffset) {
    std::int64_t local = minute + utcOffset;
    return dayFromIndex(local >= 0 ? local / 86400 : (local - 86399) / 86400);
}

ArchiveReader::ArchiveReader(const QString& path) {
    static std::atomic<int> serial{0};
    connection_ = QStringLiteral("archive-reader-%1").arg(++serial);
    open_ = openArchiveForReading(path, connection_, &error_);
    statements_ = std::make_unique<PreparedStatements>(connection_);
}

ArchiveReader::~ArchiveReader() {
    statements_.reset();
    closeArchive(connection_);
}

std::int64_t reductionBucket(std::int64_t length, int maxPoints) {
    const std::int64_t buckets = std::max(1, maxPoints / 2);
    const std::int64_t raw = std::max<std::int64_t>(60, (length + buckets - 1) / buckets);
    const std::int64_t step = raw < kHour ? 60 : kHour;
    return (raw + step - 1) / step * step;
}

std::vector<SeriesPoint> ArchiveReader::reducedSeries(Quantity q, std::int64_t from,
                                                      std::int64_t to, int maxPoints) {
    auto series =
        reducedSeries(std::vector<Quantity>{q}, from, to, reductionBucket(to - from, maxPoints));
    return series.empty() ? std::vector<SeriesPoint>{} : std::move(series.front());
}

std::vector<std::vector<SeriesPoint>> ArchiveReader::reducedSeries(
    const std::vector<Quantity>& quantities, std::int64_t from, std::int64_t to,
    std::int64_t bucketSeconds) {
    std::vector<std::vector<SeriesPoint>> series(quantities.size());
    if (!open_ || to <= from || quantities.empty())
        return series;
    bucketSeconds = std::max<std::int64_t>(60, bucketSeconds);
    // Buckets of whole hours read the hour table for the whole hours inside the range and the
    // minutes only for the parts of hours at its ends; shorter buckets read the minutes.
    std::int64_t wholeFrom = hourCeil(from), wholeTo = hourFloor(to);
    if (bucketSeconds % kHour != 0 || wholeTo <= wholeFrom)
        wholeFrom = wholeTo = to;
    QStringList outer, hourColumns, minuteColumns;
    for (std::size_t i = 0; i < quantities.size(); ++i) {
        const QString column = QLatin1String(quantityColumn(quantities[i]));
        outer << QStringLiteral("MIN(l%1), MAX(h%1)").arg(i);
        hourColumns << QStringLiteral("%1 AS l%3, %2 AS h%3")
                           .arg(lo(quantities[i]), hi(quantities[i]))
                           .arg(i);
        minuteColumns << loOfMinute(column) + QStringLiteral(", ") + hiOfMinute(column);
    }
    const PreparedStatements::Use query = statements_->use(
        QStringLiteral("SELECT t / :bucket AS b, %1 FROM (SELECT hour AS t, %2 FROM hours "
                       "WHERE hour >= :wf AND hour < :wt UNION ALL SELECT minute AS t, %3 "
                       "FROM clean_minutes WHERE ((minute >= :from AND minute < :wf) OR "
                       "(minute >= :wt AND minute < :to))) GROUP BY b ORDER BY b")
            .arg(outer.join(QStringLiteral(", ")), hourColumns.join(QStringLiteral(", ")),
                 minuteColumns.join(QStringLiteral(", "))));
    if (!query)
        return series;
    query->bindValue(QStringLiteral(":from"), qint64(from));
    query->bindValue(QStringLiteral(":to"), qint64(to));
    query->bindValue(QStringLiteral(":wf"), qint64(wholeFrom));
    query->bindValue(QStringLiteral(":wt"), qint64(wholeTo));
    query->bindValue(QStringLiteral(":bucket"), qint64(bucketSeconds));
    if (!query->exec())
        return series;
    while (query->next()) {
        for (std::size_t i = 0; i < quantities.size(); ++i) {
            const std::optional<TimedValue> low = lowFrom(query->value(int(1 + 2 * i)));
            const std::optional<TimedValue> high = highFrom(query->value(int(2 + 2 * i)));
            if (!low || !high)
                continue;
            std::vector<SeriesPoint>& points = series[i];
            if (low->minute == high->minute) {
                points.push_back({low->minute, low->value});
            } else {
                const TimedValue& first = low->minute < high->minute ? *low : *high;
                const TimedValue& second = low->minute < high->minute ? *high : *low;
                points.push_back({first.minute, first.value});
                points.push_back({second.minute, second.value});
            }
        }
    }
    return series;
}

std::vector<DaySummary> ArchiveReader::dailySummaries(std::int64_t from, std::int64_t to) {
    std::vector<DaySummary> days;
    if (!open_)
        return days;
    const QString temp = QStringLiteral("outdoor_temp");
    QStringList names{QStringLiteral("day"), QStringLiteral("hi"), QStringLiteral("lo")};
    QStringList hours{kLocalDay, hi(Quantity::OutdoorTemp), lo(Quantity::OutdoorTemp)};
    QStringList dayRows{QStringLiteral("day"), hi(Quantity::OutdoorTemp),
                        lo(Quantity::OutdoorTemp)};
    QStringList minutes{QStringLiteral("(minute + utc_offset) / 86400"), hiOfMinute(temp),
                        loOfMinute(temp)};
    QStringList sums;
    int k = 0;
    for (Quantity m : kMeanQuantities) {
        const QString c = QLatin1String(quantityColumn(m));
        names << QStringLiteral("s%1").arg(k) << QStringLiteral("n%1").arg(k);
        hours << QStringLiteral("sum_") + c << QStringLiteral("n_") + c;
        dayRows << QStringLiteral("sum_") + c << QStringLiteral("n_") + c;
        minutes << c << QStringLiteral("(%1 IS NOT NULL)").arg(c);
        sums << QStringLiteral("SUM(s%1), SUM(n%1)").arg(k);
        ++k;
    }
    names << QStringLiteral("g") << QStringLiteral("r");
    hours << QStringLiteral("gust") << QStringLiteral("rows");
    dayRows << QStringLiteral("gust") << QStringLiteral("rows");
    minutes << kGustOfMinute << QStringLiteral("1");
    const Span span = spanOf(*statements_, from, to, true);
    const PreparedStatements::Use query = statements_->use(
        QStringLiteral("SELECT day, MAX(hi), MIN(lo), %1, MAX(g), SUM(r) FROM (%2) GROUP "
                       "BY day ORDER BY day")
            .arg(sums.join(QStringLiteral(", ")), spanUnion(names, dayRows, hours, minutes)));
    if (!query)
        return days;
    bindSpan(*query, span);
    if (!query->exec())
        return days;
    const std::map<std::int64_t, std::int32_t> rain = rainPer(*statements_, from, to);
    while (query->next()) {
        DaySummary day;
        const std::int64_t index = query->value(0).toLongLong();
        day.day = dayFromIndex(index);
        day.tempHigh = highFrom(query->value(1));
        day.tempLow = lowFrom(query->value(2));
        day.tempMean = meanFrom(query->value(3), query->value(4));
        day.humidityMean = meanFrom(query->value(5), query->value(6));
        day.pressureMean = meanFrom(query->value(7), query->value(8));
        day.windMean = meanFrom(query->value(9), query->value(10));
        day.gust = gustFrom(query->value(11));
        day.minutes = query->value(12).toInt();
        if (auto it = rain.find(index); it != rain.end())
            day.rain = it->second;
        days.push_back(day);
    }
    return days;
}

PeriodRecords ArchiveReader::records(std::int64_t from, std::int64_t to) {
    PeriodRecords records;
    if (!open_)
        return records;
    const QString temp = QStringLiteral("outdoor_temp");
    const QStringList tables{hi(Quantity::OutdoorTemp), lo(Quantity::OutdoorTemp),
                             QStringLiteral("gust")};
    const Span span = spanOf(*statements_, from, to, true);
    const PreparedStatements::Use query = statements_->use(
        QStringLiteral("SELECT MAX(hi), MIN(lo), MAX(g) FROM (%1)")
            .arg(spanUnion({QStringLiteral("hi"), QStringLiteral("lo"), QStringLiteral("g")},
                           tables, tables, {hiOfMinute(temp), loOfMinute(temp), kGustOfMinute})));
    if (!query)
        return records;
    bindSpan(*query, span);
    if (query->exec() && query->next()) {
        records.tempHigh = highFrom(query->value(0));
        records.tempLow = lowFrom(query->value(1));
        records.gust = gustFrom(query->value(2));
    }
    for (const auto& [index, mm] : rainPer(*statements_, from, to)) {
        if (mm > 0 && (!records.wettestDay || mm > *records.wettestDay->rain)) {
            DaySummary day;
            day.day = dayFromIndex(index);
            day.rain = mm;
            records.wettestDay = day;
        }
    }
    return records;
}

void ArchiveReader::forEachMinute(std::int64_t from, std::int64_t to,
                                  const std::function<void(const MinuteRow&)>& take) {
    if (!open_)
        return;
    QString columns = QStringLiteral("minute, utc_offset, groups");
    for (int q = 0; q < kQuantityCount; ++q)
        columns += QStringLiteral(", ") + QLatin1String(quantityColumn(Quantity(q)));
    const PreparedStatements::Use query = statements_->use(
        QStringLiteral(
            "SELECT %1 FROM clean_minutes WHERE minute >= :from AND minute < :to ORDER BY "
            "minute")
            .arg(columns));
    if (!query)
        return;
    query->bindValue(QStringLiteral(":from"), qint64(from));
    query->bindValue(QStringLiteral(":to"), qint64(to));
    if (!query->exec())
        return;
    while (query->next()) {
        MinuteRow row;
        row.minute = query->value(0).toLongLong();
        row.utcOffset = query->value(1).toInt();
        row.groups = std::uint8_t(query->value(2).toInt());
        for (int q = 0; q < kQuantityCount; ++q) {
            const QVariant v = query->value(3 + q);
            if (!v.isNull())
                row.values[std::size_t(q)] = v.toInt();
        }
        take(row);
    }
}

std::vector<std::pair<std::int64_t, std::int32_t>> ArchiveReader::rainPerBucket(std::int64_t from,
                                                                                std::int64_t to,
                                                                                int bucketSeconds) {
    std::vector<std::pair<std::int64_t, std::int32_t>> buckets;
    if (!open_)
        return buckets;
    for (const auto& [index, mm] : rainPer(*statements_, from, to, bucketSeconds))
        buckets.emplace_back(index * bucketSeconds, mm);
    return buckets;
}

std::optional<MinuteRow> ArchiveReader::minuteAt(std::int64_t minute, std::int64_t reach) {
    std::optional<MinuteRow> found;
    forEachMinute(minute - reach, minute + 1, [&found](const MinuteRow& row) { found = row; });
    return found;
}

ArchiveReader::RainAround ArchiveReader::rainAround(const MinuteRow& row) {
    RainAround rain;
    const std::optional<std::int32_t> total = row[Quantity::RainTotal];
    if (!open_ || !total)
        return rain;
    if (const std::optional<MinuteRow> before = minuteAt(row.minute - 60, 9 * 60)) {
        if (const std::optional<std::int32_t> earlier = (*before)[Quantity::RainTotal])
            rain.minute = *total >= *earlier ? *total - *earlier : *total;
    }
    const std::int64_t hour = hourFloor(row.minute);
    std::int32_t sum = 0;
    for (const auto& [index, mm] : rainPer(*statements_, hour, hour + kHour, kHour)) {
        (void)index;
        sum += mm;
    }
    rain.hour = sum;
    return rain;
}

std::optional<std::pair<std::int64_t, std::int64_t>> ArchiveReader::extent() {
    if (!open_)
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT MIN(minute), MAX(minute) FROM minutes")) ||
        !query.next() || query.value(0).isNull())
        return std::nullopt;
    return std::pair{query.value(0).toLongLong(), query.value(1).toLongLong()};
}

std::vector<MarkedSpan> ArchiveReader::marks(std::int64_t from, std::int64_t to) {
    if (!open_)
        return {};
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    return marksIn(db, from, to);
}
