#include "archive/archive_marks.h"

#include <QSqlQuery>
#include <QVariant>
#include <atomic>

#include "archive/archive_schema.h"
#include "archive/hour_rollup.h"
#include "archive/minute_row.h"

QString markTableMigration() {
    // Each column of the view: the value unless a mark of its quantity covers the minute. The
    // first EXISTS does not depend on the row and is worked out once per statement, so an archive
    // without marks reads at the speed of the bare table.
    QStringList columns{QStringLiteral("m.minute AS minute"),
                        QStringLiteral("m.utc_offset AS utc_offset"),
                        QStringLiteral("m.groups AS groups")};
    for (int q = 0; q < kQuantityCount; ++q) {
        const QString c = QLatin1String(quantityColumn(Quantity(q)));
        columns << QStringLiteral(
                       "CASE WHEN m.%1 IS NOT NULL AND EXISTS (SELECT 1 FROM marks) AND EXISTS "
                       "(SELECT 1 FROM marks k WHERE k.quantity = %2 AND k.span_from <= m.minute "
                       "AND k.span_to > m.minute) THEN NULL ELSE m.%1 END AS %1")
                       .arg(c)
                       .arg(q);
    }
    return QStringLiteral(
               "CREATE TABLE IF NOT EXISTS marks (id INTEGER PRIMARY KEY, quantity INTEGER NOT "
               "NULL, span_from "
               "INTEGER NOT NULL, span_to INTEGER NOT NULL);"
               "CREATE INDEX IF NOT EXISTS marks_of_quantity ON marks (quantity, span_from);"
               "CREATE VIEW IF NOT EXISTS clean_minutes AS SELECT %1 FROM minutes m")
        .arg(columns.join(QStringLiteral(", ")));
}

const std::vector<MarkName>& markNames() {
    static const std::vector<MarkName> names = {
        {"Temperatur außen", "temperatur-aussen", {Quantity::OutdoorTemp}},
        {"Temperatur innen", "temperatur-innen", {Quantity::IndoorTemp}},
        {"Feuchte außen", "feuchte-aussen", {Quantity::OutdoorHum}},
        {"Feuchte innen", "feuchte-innen", {Quantity::IndoorHum}},
        {"Taupunkt außen", "taupunkt-aussen", {Quantity::OutdoorDew}},
        {"Taupunkt innen", "taupunkt-innen", {Quantity::IndoorDew}},
        {"Luftdruck", "luftdruck", {Quantity::PressureLocal, Quantity::PressureSea}},
        {"Wind", "wind", {Quantity::AvgSpeed, Quantity::AvgDir}},
        {"Böe",
         "boe",
         {Quantity::GustSpeed, Quantity::GustDir, Quantity::MinuteGust, Quantity::MinuteGustDir}},
        {"Windchill", "windchill", {Quantity::Windchill}},
        {"Regen", "regen", {Quantity::RainTotal, Quantity::RainRate}},
    };
    return names;
}

const MarkName* markNameFor(const QString& text) {
    for (const MarkName& m : markNames()) {
        if (text.compare(QString::fromUtf8(m.name), Qt::CaseInsensitive) == 0 ||
            text.compare(QLatin1String(m.keyword), Qt::CaseInsensitive) == 0)
            return &m;
    }
    return nullptr;
}

namespace {
constexpr std::int64_t kHour = 3600;

std::int64_t hourFloor(std::int64_t t) {
    return t - ((t % kHour) + kHour) % kHour;
}

bool run(QSqlQuery& query, QSqlError* error) {
    if (query.exec())
        return true;
    *error = query.lastError();
    return false;
}

// The first and last local day of the hour rows in [h0, h1); nothing when there are none.
bool daysOfHours(QSqlDatabase& db, std::int64_t h0, std::int64_t h1, std::int64_t* d0,
                 std::int64_t* d1, QSqlError* error) {
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT MIN((hour + utc_offset) / 86400), MAX((hour + utc_offset) / 86400) FROM hours "
        "WHERE hour >= ? AND hour < ?"));
    query.addBindValue(qint64(h0));
    query.addBindValue(qint64(h1));
    if (!run(query, error))
        return false;
    if (query.next() && !query.value(0).isNull()) {
        *d0 = std::min<std::int64_t>(*d0, query.value(0).toLongLong());
        *d1 = std::max<std::int64_t>(*d1, query.value(1).toLongLong());
    }
    return true;
}

// The minute of the nearest row with a rain total (not marked) before `at` (before: true) or from
// `at` on.
std::optional<std::int64_t> rainRow(QSqlDatabase& db, std::int64_t at, bool before) {
    QSqlQuery query(db);
    query.prepare(before ? QStringLiteral("SELECT minute FROM clean_minutes WHERE minute < ? AND "
                                          "rain_total IS NOT NULL ORDER BY minute DESC LIMIT 1")
                         : QStringLiteral("SELECT minute FROM clean_minutes WHERE minute >= ? AND "
                                          "rain_total IS NOT NULL ORDER BY minute LIMIT 1"));
    query.addBindValue(qint64(at));
    if (query.exec() && query.next())
        return query.value(0).toLongLong();
    return std::nullopt;
}

// Fills the hours of [from, to) again from the minutes as they now count, and their days from the
// hours. The rain of the first total after the span rises from a different row now, so its hour
// is rebuilt too.
bool rebuild(QSqlDatabase& db, std::int64_t from, std::int64_t to, QSqlError* error) {
    const std::int64_t h0 = hourFloor(from);
    std::int64_t h1 = hourFloor(to - 1) + kHour;
    if (const auto next = rainRow(db, to, false))
        h1 = std::max(h1, hourFloor(*next) + kHour);
    const std::int64_t p0 = rainRow(db, h0, true).value_or(h0);
    std::int64_t d0 = INT64_MAX, d1 = INT64_MIN;
    if (!daysOfHours(db, h0, h1, &d0, &d1, error))
        return false;
    QSqlQuery remove(db), fill(db), rain(db);
    remove.prepare(QStringLiteral("DELETE FROM hours WHERE hour >= :h0 AND hour < :h1"));
    fill.prepare(hourRebuildStatement());
    rain.prepare(hourRainRebuildStatement());
    for (QSqlQuery* q : {&remove, &fill, &rain}) {
        q->bindValue(QStringLiteral(":h0"), qint64(h0));
        q->bindValue(QStringLiteral(":h1"), qint64(h1));
    }
    rain.bindValue(QStringLiteral(":p0"), qint64(p0));
    if (!run(remove, error) || !run(fill, error) || !run(rain, error) ||
        !daysOfHours(db, h0, h1, &d0, &d1, error))
        return false;
    if (d0 > d1)
        return true;  // no rows in the span
    QSqlQuery removeDays(db), fillDays(db);
    removeDays.prepare(QStringLiteral("DELETE FROM days WHERE day >= :d0 AND day <= :d1"));
    fillDays.prepare(dayRebuildStatement());
    for (QSqlQuery* q : {&removeDays, &fillDays}) {
        q->bindValue(QStringLiteral(":d0"), qint64(d0));
        q->bindValue(QStringLiteral(":d1"), qint64(d1));
    }
    return run(removeDays, error) && run(fillDays, error);
}

bool changeMarks(QSqlDatabase& db, const std::vector<Quantity>& quantities, std::int64_t from,
                 std::int64_t to, bool mark, QSqlError* error) {
    QSqlQuery insert(db);
    insert.prepare(
        QStringLiteral("INSERT INTO marks (quantity, span_from, span_to) VALUES (?, ?, ?)"));
    const auto add = [&](Quantity q, std::int64_t a, std::int64_t b) {
        insert.addBindValue(int(q));
        insert.addBindValue(qint64(a));
        insert.addBindValue(qint64(b));
        return run(insert, error);
    };
    for (Quantity q : quantities) {
        // The marks that overlap the span give way to it; their parts outside it stay.
        QSqlQuery overlapping(db);
        overlapping.prepare(QStringLiteral(
            "SELECT id, span_from, span_to FROM marks WHERE quantity = ? AND span_from < ? AND "
            "span_to > ?"));
        overlapping.addBindValue(int(q));
        overlapping.addBindValue(qint64(to));
        overlapping.addBindValue(qint64(from));
        if (!run(overlapping, error))
            return false;
        std::vector<std::pair<std::int64_t, std::int64_t>> rest;
        std::vector<qint64> ids;
        while (overlapping.next()) {
            ids.push_back(overlapping.value(0).toLongLong());
            const std::int64_t a = overlapping.value(1).toLongLong();
            const std::int64_t b = overlapping.value(2).toLongLong();
            if (a < from)
                rest.emplace_back(a, from);
            if (b > to)
                rest.emplace_back(to, b);
        }
        overlapping.finish();
        QSqlQuery remove(db);
        remove.prepare(QStringLiteral("DELETE FROM marks WHERE id = ?"));
        for (qint64 id : ids) {
            remove.addBindValue(id);
            if (!run(remove, error))
                return false;
        }
        for (const auto& [a, b] : rest)
            if (!add(q, a, b))
                return false;
        if (mark && !add(q, from, to))
            return false;
    }
    return true;
}
}  // namespace

bool setMarked(QSqlDatabase& db, const std::vector<Quantity>& quantities, std::int64_t from,
               std::int64_t to, bool mark, QSqlError* error) {
    if (to <= from)
        return true;
    if (!db.transaction()) {
        *error = db.lastError();
        return false;
    }
    if (!changeMarks(db, quantities, from, to, mark, error) || !rebuild(db, from, to, error) ||
        !db.commit()) {
        if (!error->isValid())
            *error = db.lastError();
        db.rollback();
        return false;
    }
    return true;
}

bool setMarked(const QString& path, const std::vector<Quantity>& quantities, std::int64_t from,
               std::int64_t to, bool mark, QString* error) {
    static std::atomic<int> serial{0};
    const QString connection = QStringLiteral("archive-marks-%1").arg(++serial);
    bool good = openArchive(path, connection, error);
    if (good) {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        QSqlError failure;
        good = setMarked(db, quantities, from, to, mark, &failure);
        if (!good)
            *error = archiveReason(failure);
    }
    closeArchive(connection);
    return good;
}

std::vector<MarkedSpan> marksIn(QSqlDatabase& db, std::int64_t from, std::int64_t to) {
    std::vector<MarkedSpan> marks;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT quantity, span_from, span_to FROM marks WHERE span_from "
                       "< ? AND span_to > ? ORDER BY span_from, quantity"));
    query.addBindValue(qint64(to));
    query.addBindValue(qint64(from));
    if (query.exec())
        while (query.next())
            marks.push_back({Quantity(query.value(0).toInt()), query.value(1).toLongLong(),
                             query.value(2).toLongLong()});
    return marks;
}
