#include "archive/archive_schema.h"

#include "archive/archive_marks.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
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
        dayTableMigration(),
        markTableMigration(),
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

bool openArchiveForReading(const QString& path, const QString& connectionName, QString* error) {
    const auto readOnly = [&](const QString& name, const QString& options) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(name);
        db.setConnectOptions(options);
        if (db.open() && archiveVersion(db) == kArchiveVersion)
            return true;
        db.close();
        QSqlDatabase::removeDatabase(connectionName);
        return false;
    };
    const QFileInfo file(path);
    if (file.exists()) {
        if (readOnly(path, QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000")))
            return true;
        // On a read-only medium the journal's shared-memory file cannot be made; nobody can change
        // the file there either, so it is read as it stands.
        if (!QFileInfo(file.absolutePath()).isWritable() &&
            readOnly(QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                         QStringLiteral("?immutable=1"),
                     QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI")))
            return true;
    }
    return openArchive(path, connectionName, error);
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

MinuteInsert::MinuteInsert(QSqlDatabase& db) : query_(db), marked_(db), rollup_(db) {
    QString columns = QStringLiteral("minute, utc_offset, groups");
    QString marks = QStringLiteral("?, ?, ?");
    for (int q = 0; q < kQuantityCount; ++q) {
        columns += QStringLiteral(", ") + QLatin1String(quantityColumn(Quantity(q)));
        marks += QStringLiteral(", ?");
    }
    prepared_ =
        query_.prepare(
            QStringLiteral("INSERT OR IGNORE INTO minutes (%1) VALUES (%2)").arg(columns, marks)) &&
        marked_.prepare(QStringLiteral(
            "SELECT quantity FROM marks WHERE span_from <= ? AND span_to > ? AND quantity < ?"));
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
    if (!isNew)
        return true;
    // A row that lands in a marked span (an old log imported later) counts in its hour without
    // the marked values, as the rebuild after marking would count it.
    MinuteRow counted = row;
    marked_.bindValue(0, qint64(row.minute));
    marked_.bindValue(1, qint64(row.minute));
    marked_.bindValue(2, kQuantityCount);
    if (!marked_.exec()) {
        *error = marked_.lastError();
        return false;
    }
    while (marked_.next())
        counted.values[std::size_t(marked_.value(0).toInt())].reset();
    marked_.finish();
    return rollup_.add(counted, error);
}

namespace {
// SQLite's own words for its common refusals. Qt hands some failures over without SQLite's code
// (a failed COMMIT carries only the text), so the text is translated too.
struct EnglishReason {
    const char* english;
    int code;
};
constexpr EnglishReason kEnglishReasons[] = {
    {"database or disk is full", 13}, {"database is locked", 5},
    {"database table is locked", 6},  {"attempt to write a readonly database", 8},
    {"disk I/O error", 10},           {"unable to open database file", 14},
    {"file is not a database", 26},   {"database disk image is malformed", 11},
};

int codeOf(const QSqlError& error) {
    bool numeric = false;
    // The first number of SQLite's extended code is the primary one.
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xFF;
    if (numeric && code != 0)
        return code;
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    for (const EnglishReason& reason : kEnglishReasons)
        if (text.contains(QLatin1String(reason.english), Qt::CaseInsensitive))
            return reason.code;
    return 0;
}
}  // namespace

QString archiveReason(const QSqlError& error) {
    const int code = codeOf(error);
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
