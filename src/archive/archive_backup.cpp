#include "archive/archive_backup.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include "base/app_clock.h"
#include "base/text_file.h"

namespace {
// A sqlite3 connection closed on leaving.
struct Connection {
    sqlite3* db = nullptr;
    ~Connection() { close(); }
    void close() {
        sqlite3_close_v2(db);
        db = nullptr;
    }
    bool open(const QString& path, int flags) {
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
        if (rc == SQLITE_OK)
            sqlite3_busy_timeout(db, 2000);
        return rc == SQLITE_OK;
    }
    QString error() const {
        return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("kein Speicher");
    }
    int code() const { return db ? sqlite3_errcode(db) & 0xFF : SQLITE_NOMEM; }
};

// The first row of a check pragma: "ok" when sound. nullopt when the statement itself failed.
std::optional<QString> check(Connection& c, const char* pragma) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(c.db, pragma, -1, &statement, nullptr) != SQLITE_OK)
        return std::nullopt;
    std::optional<QString> result;
    if (sqlite3_step(statement) == SQLITE_ROW)
        result =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return result;
}

QString sqliteReason(int code, const QString& text) {
    switch (code) {
        case SQLITE_FULL:
            return QStringLiteral("Platte voll");
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QStringLiteral("Datenbank belegt");
        case SQLITE_CANTOPEN:
            return QStringLiteral("Datei kann nicht geöffnet werden");
        case SQLITE_READONLY:
            return QStringLiteral("nur lesbar");
        case SQLITE_IOERR:
            return QStringLiteral("Ein-/Ausgabefehler");
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return QStringLiteral("keine gültige Archivdatei");
        default:
            return text;
    }
}

QRegularExpression copyName(const QString& archivePath) {
    return QRegularExpression(
        QStringLiteral("^%1-(\\d{4}-\\d{2}-\\d{2})\\.sqlite$")
            .arg(QRegularExpression::escape(QFileInfo(archivePath).completeBaseName())));
}

void removeWithJournals(const QString& path) {
    for (const QString& end :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        QFile::remove(path + end);
}
}  // namespace

QString backupFolder(const QString& archivePath) {
    return QFileInfo(archivePath).absoluteDir().filePath(QStringLiteral("Sicherung"));
}

bool backupArchive(const QString& archivePath, const QDate& day, QString* copyPath,
                   QString* error) {
    const QString folder = backupFolder(archivePath);
    QString reason;
    if (!textfile::makeFolder(folder, &reason)) {
        *error = textfile::failureDetails(folder, reason);
        return false;
    }
    const QString target = QDir(folder).filePath(
        QStringLiteral("%1-%2.sqlite")
            .arg(QFileInfo(archivePath).completeBaseName(), day.toString(Qt::ISODate)));
    const QString fresh = target + QStringLiteral(".neu");
    removeWithJournals(fresh);
    {
        Connection source, copy;
        if (!source.open(archivePath, SQLITE_OPEN_READONLY)) {
            *error =
                textfile::failureDetails(archivePath, sqliteReason(source.code(), source.error()));
            return false;
        }
        if (!copy.open(fresh, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
            *error = textfile::failureDetails(fresh, sqliteReason(copy.code(), copy.error()));
            removeWithJournals(fresh);
            return false;
        }
        // All pages in one step: one read snapshot, taken beside the writer (the archive's WAL
        // lets it go on writing); a copy made in several steps would start again at each write.
        sqlite3_backup* backup = sqlite3_backup_init(copy.db, "main", source.db, "main");
        int rc = backup ? SQLITE_OK : copy.code();
        if (backup) {
            for (int tries = 0; tries < 10; ++tries) {
                rc = sqlite3_backup_step(backup, -1);
                if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
                    break;
                sqlite3_sleep(200);
            }
            sqlite3_backup_finish(backup);
        }
        if (rc != SQLITE_DONE && rc != SQLITE_OK) {
            *error = textfile::failureDetails(
                fresh, sqliteReason(rc, QString::fromUtf8(sqlite3_errstr(rc))));
            copy.close();
            removeWithJournals(fresh);
            return false;
        }
        // The copy is a file of its own, with no journal beside it.
        sqlite3_exec(copy.db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
        const std::optional<QString> verdict = check(copy, "PRAGMA integrity_check");
        if (verdict != QStringLiteral("ok")) {
            *error = QStringLiteral("Die Sicherung %1 ist fehlerhaft: %2")
                         .arg(fresh, verdict.value_or(copy.error()));
            copy.close();
            removeWithJournals(fresh);
            return false;
        }
    }
    QFile::remove(target);
    if (!QFile::rename(fresh, target)) {
        *error = textfile::failureDetails(target, QStringLiteral("kann nicht umbenannt werden"));
        removeWithJournals(fresh);
        return false;
    }
    if (copyPath)
        *copyPath = target;
    pruneBackups(archivePath);
    return true;
}

QStringList archiveBackups(const QString& archivePath) {
    const QDir folder(backupFolder(archivePath));
    const QRegularExpression form = copyName(archivePath);
    QStringList copies;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name | QDir::Reversed))
        if (form.match(name).hasMatch())
            copies << folder.filePath(name);
    return copies;
}

void pruneBackups(const QString& archivePath) {
    const QRegularExpression form = copyName(archivePath);
    QSet<int> weeks;
    int daily = 0, weekly = 0;
    for (const QString& path : archiveBackups(archivePath)) {
        const QDate day =
            QDate::fromString(form.match(QFileInfo(path).fileName()).captured(1), Qt::ISODate);
        int year = 0;
        const int week = day.weekNumber(&year) + year * 100;
        if (daily < 7) {
            ++daily;
            weeks.insert(week);
        } else if (weekly < 4 && !weeks.contains(week)) {
            ++weekly;
            weeks.insert(week);
        } else {
            QFile::remove(path);
        }
    }
}

std::optional<QString> setAsideDamagedArchive(const QString& archivePath) {
    if (!QFileInfo::exists(archivePath))
        return std::nullopt;
    bool damaged = false;
    {
        Connection c;
        if (!c.open(archivePath, SQLITE_OPEN_READWRITE)) {
            damaged = c.code() == SQLITE_CORRUPT || c.code() == SQLITE_NOTADB;
        } else {
            const std::optional<QString> verdict = check(c, "PRAGMA quick_check");
            // A busy or locked archive is not damaged; only SQLite's own verdict counts.
            damaged = verdict ? *verdict != QStringLiteral("ok")
                              : c.code() == SQLITE_CORRUPT || c.code() == SQLITE_NOTADB;
        }
    }
    if (!damaged)
        return std::nullopt;
    const QString aside = archivePath + QStringLiteral(".defekt-") +
                          AppClock::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    bool moved = QFile::rename(archivePath, aside);
    for (const QString& end : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (moved && QFileInfo::exists(archivePath + end))
            QFile::rename(archivePath + end, aside + end);
    const QStringList copies = archiveBackups(archivePath);
    const QString last =
        copies.isEmpty() ? QStringLiteral("Es gibt keine Sicherung.")
                         : QStringLiteral("Die letzte gute Sicherung ist %1.").arg(copies.first());
    if (!moved)
        return QStringLiteral(
                   "Das Archiv %1 ist beschädigt und kann nicht beiseitegelegt werden. %2")
            .arg(archivePath, last);
    return QStringLiteral(
               "Das Archiv %1 ist beschädigt. Es wurde nach %2 verschoben, ein neues Archiv ist "
               "begonnen. %3")
        .arg(archivePath, aside, last);
}
