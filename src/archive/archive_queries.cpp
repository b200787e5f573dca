#include "archive/archive_queries.h"

#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <map>

#include "archive/archive_schema.h"

namespace {
// A value and its minute packed into one integer, so that MIN and MAX find the extreme and its
// minute in one pass: the value above 32 bits, below it the minute (for MIN, the earliest of equal
// values) or its complement (for MAX, again the earliest).
constexpr std::int64_t kMinuteSpan = 4294967296LL;
constexpr std::int64_t kMinuteMask = kMinuteSpan - 1;
// A gust with its minute's complement and its direction (512 = none): gust << 41 | ~minute << 9 |
// direction.
constexpr std::int64_t kGustShift = std::int64_t(1) << 41;
constexpr int kNoDirection = 511;

QString lowPacked(const QString& column) {
    return QStringLiteral("MIN(%1 * 4294967296 + minute)").arg(column);
}
QString highPacked(const QString& column) {
    return QStringLiteral("MAX(%1 * 4294967296 + (4294967295 - minute))").arg(column);
}
const QString kGustPacked = QStringLiteral(
    "MAX(minute_gust * 2199023255552 + (4294967295 - minute) * 512 + "
    "COALESCE(minute_gust_dir, 511))");
const QString kLocalDay = QStringLiteral("((minute + utc_offset) / 86400)");

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
std::optional<double> meanFrom(const QVariant& v) {
    return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
}

// The rain per local bucket (a day: 86400) in [from, to): the total's rises, starting from the
// last total before the range so that the first row's rise counts too.
std::map<std::int64_t, std::int32_t> rainPer(QSqlDatabase& db, std::int64_t from, std::int64_t to,
                                             int bucketSeconds = 86400) {
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT day, SUM(CASE WHEN rise IS NULL THEN 0 WHEN rise >= 0 THEN rise "
                       "ELSE rain_total END) FROM (SELECT minute, %1 AS day, rain_total, "
                       "rain_total - LAG(rain_total) OVER (ORDER BY minute) AS rise FROM minutes "
                       "WHERE minute >= COALESCE((SELECT MAX(minute) FROM minutes WHERE minute < "
                       ":from AND rain_total IS NOT NULL), :from) AND minute < :to AND rain_total "
                       "IS NOT NULL) WHERE minute >= :from GROUP BY day")
            .arg(QStringLiteral("((minute + utc_offset) / %1)").arg(bucketSeconds)));
    query.bindValue(QStringLiteral(":from"), qint64(from));
    query.bindValue(QStringLiteral(":to"), qint64(to));
    std::map<std::int64_t, std::int32_t> rain;
    if (query.exec())
        while (query.next())
            rain[query.value(0).toLongLong()] = query.value(1).toInt();
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
    open_ = openArchive(path, connection_, &error_);
}

ArchiveReader::~ArchiveReader() {
    closeArchive(connection_);
}

std::vector<SeriesPoint> ArchiveReader::reducedSeries(Quantity q, std::int64_t from,
                                                      std::int64_t to, int maxPoints) {
    std::vector<SeriesPoint> points;
    if (!open_ || to <= from)
        return points;
    const QString column = QLatin1String(quantityColumn(q));
    const std::int64_t buckets = std::max(1, maxPoints / 2);
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT (minute - :from) * :buckets / (:to - :from) AS bucket, "
                                 "%2, %3 FROM minutes WHERE minute >= :from AND minute < :to "
                                 "AND %1 IS NOT NULL GROUP BY bucket ORDER BY bucket")
                      .arg(column, lowPacked(column), highPacked(column)));
    query.bindValue(QStringLiteral(":from"), qint64(from));
    query.bindValue(QStringLiteral(":to"), qint64(to));
    query.bindValue(QStringLiteral(":buckets"), qint64(buckets));
    if (!query.exec())
        return points;
    while (query.next()) {
        const TimedValue low = *lowFrom(query.value(1));
        const TimedValue high = *highFrom(query.value(2));
        if (low.minute == high.minute) {
            points.push_back({low.minute, low.value});
        } else {
            const TimedValue& first = low.minute < high.minute ? low : high;
            const TimedValue& second = low.minute < high.minute ? high : low;
            points.push_back({first.minute, first.value});
            points.push_back({second.minute, second.value});
        }
    }
    return points;
}

std::vector<DaySummary> ArchiveReader::dailySummaries(std::int64_t from, std::int64_t to) {
    std::vector<DaySummary> days;
    if (!open_)
        return days;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 AS day, %2, %3, AVG(outdoor_temp), AVG(outdoor_hum), "
                                 "AVG(pressure_sea), AVG(avg_speed), %4, COUNT(*) FROM minutes "
                                 "WHERE minute >= :from AND minute < :to GROUP BY day ORDER BY day")
                      .arg(kLocalDay, highPacked(QStringLiteral("outdoor_temp")),
                           lowPacked(QStringLiteral("outdoor_temp")), kGustPacked));
    query.bindValue(QStringLiteral(":from"), qint64(from));
    query.bindValue(QStringLiteral(":to"), qint64(to));
    if (!query.exec())
        return days;
    const std::map<std::int64_t, std::int32_t> rain = rainPer(db, from, to);
    while (query.next()) {
        DaySummary day;
        const std::int64_t index = query.value(0).toLongLong();
        day.day = dayFromIndex(index);
        day.tempHigh = highFrom(query.value(1));
        day.tempLow = lowFrom(query.value(2));
        day.tempMean = meanFrom(query.value(3));
        day.humidityMean = meanFrom(query.value(4));
        day.pressureMean = meanFrom(query.value(5));
        day.windMean = meanFrom(query.value(6));
        day.gust = gustFrom(query.value(7));
        day.minutes = query.value(8).toInt();
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
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT %1, %2, %3 FROM minutes WHERE minute >= :from AND "
                                 "minute < :to")
                      .arg(highPacked(QStringLiteral("outdoor_temp")),
                           lowPacked(QStringLiteral("outdoor_temp")), kGustPacked));
    query.bindValue(QStringLiteral(":from"), qint64(from));
    query.bindValue(QStringLiteral(":to"), qint64(to));
    if (query.exec() && query.next()) {
        records.tempHigh = highFrom(query.value(0));
        records.tempLow = lowFrom(query.value(1));
        records.gust = gustFrom(query.value(2));
    }
    for (const auto& [index, mm] : rainPer(db, from, to)) {
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
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT %1 FROM minutes WHERE minute >= :from AND minute < :to ORDER BY "
                       "minute")
            .arg(columns));
    query.bindValue(QStringLiteral(":from"), qint64(from));
    query.bindValue(QStringLiteral(":to"), qint64(to));
    if (!query.exec())
        return;
    while (query.next()) {
        MinuteRow row;
        row.minute = query.value(0).toLongLong();
        row.utcOffset = query.value(1).toInt();
        row.groups = std::uint8_t(query.value(2).toInt());
        for (int q = 0; q < kQuantityCount; ++q) {
            const QVariant v = query.value(3 + q);
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
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    for (const auto& [index, mm] : rainPer(db, from, to, bucketSeconds))
        buckets.emplace_back(index * bucketSeconds, mm);
    return buckets;
}

std::optional<MinuteRow> ArchiveReader::minuteAt(std::int64_t minute, std::int64_t reach) {
    std::optional<MinuteRow> found;
    forEachMinute(minute - reach, minute + 1, [&found](const MinuteRow& row) { found = row; });
    return found;
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
