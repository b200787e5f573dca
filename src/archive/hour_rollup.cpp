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
    // The rain of each hour from the rises of the totals, over the minutes in time order.
    return QStringLiteral(
               "CREATE TABLE hours (%1);"
               "INSERT INTO hours (%2) SELECT %3 FROM minutes GROUP BY h;"
               "UPDATE hours SET rain = COALESCE((SELECT SUM(r) FROM (SELECT minute / 3600 * 3600 "
               "AS h, CASE WHEN p IS NULL THEN 0 WHEN rain_total >= p THEN rain_total - p ELSE "
               "rain_total END AS r FROM (SELECT minute, rain_total, LAG(rain_total) OVER (ORDER "
               "BY minute) AS p FROM minutes WHERE rain_total IS NOT NULL)) WHERE h = hours.hour), "
               "0)")
        .arg(definitions.join(QStringLiteral(", ")), names.join(QStringLiteral(", ")),
             fills.join(QStringLiteral(", ")));
}

HourRollup::HourRollup(QSqlDatabase& db)
    : db_(db), upsert_(db), previous_(db), next_(db), addRain_(db) {
    QStringList names{QStringLiteral("hour"), QStringLiteral("utc_offset"), QStringLiteral("rain")};
    QStringList marks{QStringLiteral("?"), QStringLiteral("?"), QStringLiteral("?")};
    QStringList merges{QStringLiteral("utc_offset = excluded.utc_offset"),
                       QStringLiteral("rain = rain + excluded.rain")};
    for (const HourColumn& c : hourColumns()) {
        names << c.name;
        marks << QStringLiteral("?");
        if (c.merge == QLatin1String("+"))
            merges << QStringLiteral("%1 = %1 + excluded.%1").arg(c.name);
        else  // MIN and MAX of two where either may be NULL
            merges << QStringLiteral("%1 = COALESCE(%2(%1, excluded.%1), %1, excluded.%1)")
                          .arg(c.name, c.merge);
    }
    prepared_ =
        upsert_.prepare(QStringLiteral("INSERT INTO hours (%1) VALUES (%2) ON CONFLICT(hour) DO "
                                       "UPDATE SET %3")
                            .arg(names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")),
                                 merges.join(QStringLiteral(", ")))) &&
        previous_.prepare(QStringLiteral("SELECT rain_total FROM minutes WHERE minute < ? AND "
                                         "rain_total IS NOT NULL ORDER BY minute DESC LIMIT 1")) &&
        next_.prepare(QStringLiteral("SELECT minute, rain_total FROM minutes WHERE minute > ? AND "
                                     "rain_total IS NOT NULL ORDER BY minute LIMIT 1")) &&
        addRain_.prepare(QStringLiteral("UPDATE hours SET rain = rain + ? WHERE hour = ?"));
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
            addRain_.bindValue(0, qint64(change));
            addRain_.bindValue(1, qint64(nextMinute / 3600 * 3600));
            if (change != 0 && !addRain_.exec()) {
                *error = addRain_.lastError();
                return false;
            }
        }
        next_.finish();
    }
    const QVariant none{QMetaType(QMetaType::LongLong)};
    upsert_.bindValue(0, qint64(row.minute / 3600 * 3600));
    upsert_.bindValue(1, row.utcOffset);
    upsert_.bindValue(2, qint64(rain));
    int at = 3;
    for (int i = 0; i < kQuantityCount; ++i) {
        const auto& v = row.values[std::size_t(i)];
        upsert_.bindValue(at++, v ? QVariant(qint64(*v) * 4294967296LL + row.minute) : none);
        upsert_.bindValue(
            at++,
            v ? QVariant(qint64(*v) * 4294967296LL + (packing::kMinuteMask - row.minute)) : none);
    }
    for (Quantity m : kMeanQuantities) {
        const auto& v = row[m];
        upsert_.bindValue(at++, v ? qint64(*v) : qint64(0));
        upsert_.bindValue(at++, v ? 1 : 0);
    }
    const auto& gust = row[Quantity::MinuteGust];
    const auto& dir = row[Quantity::MinuteGustDir];
    upsert_.bindValue(at++, gust ? QVariant(qint64(*gust) * packing::kGustShift +
                                            (packing::kMinuteMask - row.minute) * 512 +
                                            (dir ? *dir : packing::kNoDirection))
                                 : none);
    upsert_.bindValue(at++, row[Quantity::RainTotal] ? 1 : 0);
    upsert_.bindValue(at++, 1);
    if (!upsert_.exec()) {
        *error = upsert_.lastError();
        return false;
    }
    return true;
}
