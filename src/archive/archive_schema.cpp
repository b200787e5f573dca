#include "archive/archive_schema.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {
// Each entry takes the schema from version i to i + 1. Never change an entry once released; add
// one.
const QStringList& migrations() {
    static const QStringList steps = {
        QStringLiteral(
            "CREATE TABLE minutes (minute INTEGER PRIMARY KEY, groups INTEGER NOT NULL, "
            "indoor_temp INTEGER, outdoor_temp INTEGER, indoor_hum INTEGER, outdoor_hum INTEGER, "
            "indoor_dew INTEGER, outdoor_dew INTEGER, pressure_local INTEGER, pressure_sea "
            "INTEGER, "
            "gust_speed INTEGER, gust_dir INTEGER, avg_speed INTEGER, avg_dir INTEGER, "
            "minute_gust INTEGER, windchill INTEGER, rain_rate INTEGER, rain_total INTEGER)"),
        QStringLiteral("ALTER TABLE minutes ADD COLUMN utc_offset INTEGER NOT NULL DEFAULT 0;"
                       "ALTER TABLE minutes ADD COLUMN minute_gust_dir INTEGER"),
        hourTableMigration(),
    };
    return steps;
}

bool exec(QSqlDatabase& db, const QString& sql, QSqlError* error) {
    for (const QString& statement : sql.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            *error = query.lastError();
            return false;
        }
    }
    return true;
}

bool migrate(QSqlDatabase& db, QSqlError* error) {
    if (!exec(db, QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER)"),
              error))
        return false;
    for (int version = archiveVersion(db); version < kArchiveVersion; ++version) {
        // Each step and its version number go in together: a step is done once or not at all.
        if (!db.transaction()) {
            *error = db.lastError();
            return false;
        }
        if (!exec(db, migrations()[version], error) ||
            !exec(db,
                  QStringLiteral("DELETE FROM schema_version;"
                                 "INSERT INTO schema_version VALUES (%1)")
                      .arg(version + 1),
                  error) ||
            !db.commit()) {
            if (!error->isValid())
                *error = db.lastError();
            db.rollback();
            return false;
        }
    }
    return true;
}
}  // namespace

bool openArchive(const QString& path, const QString& connectionName, QString* error) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    QSqlError failure;
    if (!db.open()) {
        *error = archiveReason(db.lastError());
        return false;
    }
    if (!exec(db, QStringLiteral("PRAGMA journal_mode=WAL;PRAGMA synchronous=NORMAL"), &failure) ||
        !migrate(db, &failure)) {
        *error = archiveReason(failure);
        db.close();
        return false;
    }
    return true;
}

void closeArchive(const QString& connectionName) {
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

int archiveVersion(QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

MinuteInsert::MinuteInsert(QSqlDatabase& db) : query_(db), rollup_(db) {
    QString columns = QStringLiteral("minute, utc_offset, groups");
    QString marks = QStringLiteral("?, ?, ?");
    for (int q = 0; q < kQuantityCount; ++q) {
        columns += QStringLiteral(", ") + QLatin1String(quantityColumn(Quantity(q)));
        marks += QStringLiteral(", ?");
    }
    prepared_ = query_.prepare(
        QStringLiteral("INSERT OR IGNORE INTO minutes (%1) VALUES (%2)").arg(columns, marks));
}

bool MinuteInsert::insert(const MinuteRow& row, QSqlError* error, bool* added) {
    if (!prepared_) {
        *error = query_.lastError();
        return false;
    }
    query_.bindValue(0, qint64(row.minute));
    query_.bindValue(1, row.utcOffset);
    query_.bindValue(2, int(row.groups));
    for (int q = 0; q < kQuantityCount; ++q) {
        const auto& value = row.values[std::size_t(q)];
        query_.bindValue(3 + q, value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Int)));
    }
    if (!query_.exec()) {
        *error = query_.lastError();
        return false;
    }
    const bool isNew = query_.numRowsAffected() > 0;
    if (added)
        *added = isNew;
    return !isNew || rollup_.add(row, error);
}

QString archiveReason(const QSqlError& error) {
    // The first number of SQLite's extended code is the primary one.
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    switch (code) {
        case 5:
            return QStringLiteral("Datenbank belegt");
        case 6:
            return QStringLiteral("Datenbank gesperrt");
        case 8:
            return QStringLiteral("nur lesbar");
        case 10:
            return QStringLiteral("Ein-/Ausgabefehler");
        case 13:
            return QStringLiteral("Platte voll");
        case 14:
            return QStringLiteral("Datei kann nicht geöffnet werden");
        case 11:
        case 26:
            return QStringLiteral("keine gültige Archivdatei");
        default:
            break;
    }
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("unbekannter Fehler") : text;
}
