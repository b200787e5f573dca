#include "archive/hour_rollup.h"

#include <QStringList>
#include <QVariant>

namespace {
QString column(Quantity q) {
    return QLatin1String(quantityColumn(q));
}

// The rain between two totals, the later one second: its rise, or all of it after a reset.
std::int64_t rise(std::int64_t earlier, std::int64_t later) {
    return later >= earlier ? later - earlier : later;
}

// The hour table's value columns and, for each, how a minute fills it (SQL over the minutes).
struct HourColumn {
    QString name;
    QString fromMinute;  // aggregate expression over the minute rows of the hour
    QString merge;       // how an existing hour takes a new minute (excluded.<name>)
};

const std::vector<HourColumn>& hourColumns() {
    static const std::vector<HourColumn> columns = [] {
        std::vector<HourColumn> c;
        for (int i = 0; i < kQuantityCount; ++i) {
            const QString q = column(Quantity(i));
            c.push_back({QStringLiteral("lo_") + q,
                         QStringLiteral("MIN(%1 * 4294967296 + minute)").arg(q),
                         QStringLiteral("MIN")});
            c.push_back({QStringLiteral("hi_") + q,
                         QStringLiteral("MAX(%1 * 4294967296 + (4294967295 - minute))").arg(q),
                         QStringLiteral("MAX")});
        }
        for (Quantity m : kMeanQuantities) {
            const QString q = column(m);
            c.push_back({QStringLiteral("sum_") + q, QStringLiteral("TOTAL(%1)").arg(q),
                         QStringLiteral("+")});
            c.push_back({QStringLiteral("n_") + q, QStringLiteral("COUNT(%1)").arg(q),
                         QStringLiteral("+")});
        }
        c.push_back({QStringLiteral("gust"),
                     QStringLiteral("MAX(minute_gust * 2199023255552 + (4294967295 - minute) * 512 "
                                    "+ COALESCE(minute_gust_dir, 511))"),
                     QStringLiteral("MAX")});
        c.push_back({QStringLiteral("rain_rows"), QStringLiteral("COUNT(rain_total)"),
                     QStringLiteral("+")});
        c.push_back({QStringLiteral("rows"), QStringLiteral("COUNT(*)"), QStringLiteral("+")});
        return c;
    }();
    return columns;
}
}  // namespace

QString hourTableMigration() {
    QStringList definitions{QStringLiteral("hour INTEGER PRIMARY KEY"),
                            QStringLiteral("utc_offset INTEGER NOT NULL DEFAULT 0"),
                            QStringLiteral("rain INTEGER NOT NULL DEFAULT 0")};
    QStringList names{QStringLiteral("hour"), QStringLiteral("utc_offset")};
    QStringList fills{QStringLiteral("minute / 3600 * 3600 AS h"),
                      QStringLiteral("MAX(utc_offset)")};
    for (const HourColumn& c : hourColumns()) {
        definitions << c.name + QStringLiteral(" INTEGER");
        names << c.name;
        fills << c.fromMinute;
    }
    // The rain of each hour from the rises of the totals, over the minutes in time order, in one
    // pass (an archive of years is brought up to date in seconds, not hours).
    return QStringLiteral(
               "CREATE TABLE hours (%1);"
               "INSERT INTO hours (%2) SELECT %3 FROM minutes GROUP BY h;"
               "UPDATE hours SET rain = w.r FROM (SELECT minute / 3600 * 3600 AS h, SUM(CASE "
               "WHEN p IS NULL THEN 0 WHEN rain_total >= p THEN rain_total - p ELSE rain_total "
               "END) AS r FROM (SELECT minute, rain_total, LAG(rain_total) OVER (ORDER BY minute) "
               "AS p FROM minutes WHERE rain_total IS NOT NULL) GROUP BY h) AS w WHERE hours.hour "
               "= w.h")
        .arg(definitions.join(QStringLiteral(", ")), names.join(QStringLiteral(", ")),
             fills.join(QStringLiteral(", ")));
}

QString dayTableMigration() {
    QStringList definitions{QStringLiteral("day INTEGER PRIMARY KEY"),
                            QStringLiteral("first_hour INTEGER NOT NULL"),
                            QStringLiteral("last_hour INTEGER NOT NULL"),
                            QStringLiteral("rain INTEGER NOT NULL DEFAULT 0")};
    QStringList names{QStringLiteral("day"), QStringLiteral("first_hour"),
                      QStringLiteral("last_hour"), QStringLiteral("rain")};
    QStringList fills{QStringLiteral("(hour + utc_offset) / 86400 AS d"),
                      QStringLiteral("MIN(hour)"), QStringLiteral("MAX(hour)"),
                      QStringLiteral("SUM(rain)")};
    for (const HourColumn& c : hourColumns()) {
        definitions << c.name + QStringLiteral(" INTEGER");
        names << c.name;
        fills << QStringLiteral("%1(%2)").arg(
            c.merge == QLatin1String("+") ? QStringLiteral("SUM") : c.merge, c.name);
    }
    return QStringLiteral(
               "CREATE TABLE days (%1);"
               "INSERT INTO days (%2) SELECT %3 FROM hours GROUP BY d")
        .arg(definitions.join(QStringLiteral(", ")), names.join(QStringLiteral(", ")),
             fills.join(QStringLiteral(", ")));
}

QString hourRebuildStatement() {
    QStringList names{QStringLiteral("hour"), QStringLiteral("utc_offset")};
    QStringList fills{QStringLiteral("minute / 3600 * 3600 AS h"),
                      QStringLiteral("MAX(utc_offset)")};
    for (const HourColumn& c : hourColumns()) {
        names << c.name;
        fills << c.fromMinute;
    }
    return QStringLiteral(
               "INSERT INTO hours (%1) SELECT %2 FROM clean_minutes WHERE minute >= :h0 AND "
               "minute < :h1 GROUP BY h")
        .arg(names.join(QStringLiteral(", ")), fills.join(QStringLiteral(", ")));
}

QString hourRainRebuildStatement() {
    return QStringLiteral(
        "UPDATE hours SET rain = w.r FROM (SELECT minute / 3600 * 3600 AS h, SUM(CASE WHEN p IS "
        "NULL THEN 0 WHEN rain_total >= p THEN rain_total - p ELSE rain_total END) AS r FROM "
        "(SELECT minute, rain_total, LAG(rain_total) OVER (ORDER BY minute) AS p FROM "
        "clean_minutes WHERE rain_total IS NOT NULL AND minute >= :p0 AND minute < :h1) WHERE "
        "minute >= :h0 GROUP BY h) AS w WHERE hours.hour = w.h");
}

QString dayRebuildStatement() {
    QStringList names{QStringLiteral("day"), QStringLiteral("first_hour"),
                      QStringLiteral("last_hour"), QStringLiteral("rain")};
    QStringList fills{QStringLiteral("(hour + utc_offset) / 86400 AS d"),
                      QStringLiteral("MIN(hour)"), QStringLiteral("MAX(hour)"),
                      QStringLiteral("SUM(rain)")};
    for (const HourColumn& c : hourColumns()) {
        names << c.name;
        fills << QStringLiteral("%1(%2)").arg(
            c.merge == QLatin1String("+") ? QStringLiteral("SUM") : c.merge, c.name);
    }
    // The key's range first (offsets lie within ±14 hours), then the days themselves.
    return QStringLiteral(
               "INSERT INTO days (%1) SELECT %2 FROM hours WHERE hour >= :d0 * 86400 - 50400 AND "
               "hour < :d1 * 86400 + 136800 AND (hour + utc_offset) / 86400 BETWEEN :d0 AND :d1 "
               "GROUP BY d")
        .arg(names.join(QStringLiteral(", ")), fills.join(QStringLiteral(", ")));
}

namespace {
// "INSERT ... ON CONFLICT DO UPDATE" of a row of the hour or the day table: `keys` are the
// columns before the value columns, with how an existing row takes each of them.
QString upsertStatement(const QString& table, const QString& key,
                        const QList<std::pair<QString, QString>>& keys) {
    QStringList names{key};
    QStringList marks{QStringLiteral("?")};
    QStringList merges;
    for (const auto& [name, merge] : keys) {
        names << name;
        marks << QStringLiteral("?");
        merges << QStringLiteral("%1 = %2").arg(name, merge);
    }
    for (const HourColumn& c : hourColumns()) {
        names << c.name;
        marks << QStringLiteral("?");
        if (c.merge == QLatin1String("+"))
            merges << QStringLiteral("%1 = %1 + excluded.%1").arg(c.name);
        else  // MIN and MAX of two where either may be NULL
            merges << QStringLiteral("%1 = COALESCE(%2(%1, excluded.%1), %1, excluded.%1)")
                          .arg(c.name, c.merge);
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT(%4) DO UPDATE SET %5")
        .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")), key,
             merges.join(QStringLiteral(", ")));
}
}  // namespace

HourRollup::HourRollup(QSqlDatabase& db)
    : db_(db),
      upsert_(db),
      upsertDay_(db),
      previous_(db),
      next_(db),
      addRain_(db),
      addDayRain_(db) {
    prepared_ =
        upsert_.prepare(
            upsertStatement(QStringLiteral("hours"), QStringLiteral("hour"),
                            {{QStringLiteral("utc_offset"), QStringLiteral("excluded.utc_offset")},
                             {QStringLiteral("rain"), QStringLiteral("rain + excluded.rain")}})) &&
        upsertDay_.prepare(upsertStatement(
            QStringLiteral("days"), QStringLiteral("day"),
            {{QStringLiteral("first_hour"), QStringLiteral("MIN(first_hour, excluded.first_hour)")},
             {QStringLiteral("last_hour"), QStringLiteral("MAX(last_hour, excluded.last_hour)")},
             {QStringLiteral("rain"), QStringLiteral("rain + excluded.rain")}})) &&
        previous_.prepare(
            QStringLiteral("SELECT rain_total FROM clean_minutes WHERE minute < ? AND "
                           "rain_total IS NOT NULL ORDER BY minute DESC LIMIT 1")) &&
        next_.prepare(
            QStringLiteral("SELECT minute, rain_total FROM clean_minutes WHERE minute > ? AND "
                           "rain_total IS NOT NULL ORDER BY minute LIMIT 1")) &&
        addRain_.prepare(QStringLiteral("UPDATE hours SET rain = rain + ? WHERE hour = ?")) &&
        addDayRain_.prepare(QStringLiteral("UPDATE days SET rain = rain + ? WHERE day = (SELECT "
                                           "(hour + utc_offset) / 86400 FROM hours WHERE hour = "
                                           "?)"));
}

bool HourRollup::add(const MinuteRow& row, QSqlError* error) {
    if (!prepared_) {
        *error = upsert_.lastError().isValid() ? upsert_.lastError() : next_.lastError();
        return false;
    }
    std::int64_t rain = 0;
    if (const auto& total = row[Quantity::RainTotal]) {
        std::optional<std::int64_t> before;
        previous_.bindValue(0, qint64(row.minute));
        if (!previous_.exec()) {
            *error = previous_.lastError();
            return false;
        }
        if (previous_.next())
            before = previous_.value(0).toLongLong();
        previous_.finish();
        if (before)
            rain = rise(*before, *total);
        // A row put in between: the next row's rise is now from this one.
        next_.bindValue(0, qint64(row.minute));
        if (!next_.exec()) {
            *error = next_.lastError();
            return false;
        }
        if (next_.next()) {
            const std::int64_t nextMinute = next_.value(0).toLongLong();
            const std::int64_t nextTotal = next_.value(1).toLongLong();
            const std::int64_t change =
                rise(*total, nextTotal) - (before ? rise(*before, nextTotal) : 0);
            next_.finish();
            for (QSqlQuery* addTo : {&addRain_, &addDayRain_}) {
                addTo->bindValue(0, qint64(change));
                addTo->bindValue(1, qint64(nextMinute / 3600 * 3600));
                if (change != 0 && !addTo->exec()) {
                    *error = addTo->lastError();
                    return false;
                }
            }
        }
        next_.finish();
    }
    const QVariant none{QMetaType(QMetaType::LongLong)};
    const qint64 hour = row.minute / 3600 * 3600;
    std::vector<QVariant> values;
    values.reserve(hourColumns().size());
    for (int i = 0; i < kQuantityCount; ++i) {
        const auto& v = row.values[std::size_t(i)];
        values.push_back(v ? QVariant(qint64(*v) * 4294967296LL + row.minute) : none);
        values.push_back(
            v ? QVariant(qint64(*v) * 4294967296LL + (packing::kMinuteMask - row.minute)) : none);
    }
    for (Quantity m : kMeanQuantities) {
        const auto& v = row[m];
        values.push_back(v ? qint64(*v) : qint64(0));
        values.push_back(v ? 1 : 0);
    }
    const auto& gust = row[Quantity::MinuteGust];
    const auto& dir = row[Quantity::MinuteGustDir];
    values.push_back(gust ? QVariant(qint64(*gust) * packing::kGustShift +
                                     (packing::kMinuteMask - row.minute) * 512 +
                                     (dir ? *dir : packing::kNoDirection))
                          : none);
    values.push_back(row[Quantity::RainTotal] ? 1 : 0);
    values.push_back(1);

    // The hour, then its local day (by the hour's offset, as the day table's migration counts).
    upsert_.bindValue(0, hour);
    upsert_.bindValue(1, row.utcOffset);
    upsert_.bindValue(2, qint64(rain));
    upsertDay_.bindValue(0, (hour + row.utcOffset) / 86400);
    upsertDay_.bindValue(1, hour);
    upsertDay_.bindValue(2, hour);
    upsertDay_.bindValue(3, qint64(rain));
    for (std::size_t k = 0; k < values.size(); ++k) {
        upsert_.bindValue(3 + int(k), values[k]);
        upsertDay_.bindValue(4 + int(k), values[k]);
    }
    for (QSqlQuery* upsert : {&upsert_, &upsertDay_}) {
        if (!upsert->exec()) {
            *error = upsert->lastError();
            return false;
        }
    }
    return true;
}
