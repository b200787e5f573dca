// The archive file: opening a connection of its own (WAL journal), the schema version table and
// the numbered one-way migrations, and the German reason of a failed statement.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

#include "archive/hour_rollup.h"
#include "archive/minute_row.h"

// Version 1: the minute table with the values and groups. Version 2: the local offset of each
// minute and the direction of the minute's highest gust. Version 3: the hour table. Version 4: the
// day table. Version 5: the marks of values found wrong and the view of the minutes without them.
inline constexpr int kArchiveVersion = 5;

// Opens (creating when missing) the archive at `path` on a connection of this name and brings its
// schema up to kArchiveVersion. On failure returns false with a German reason; the connection
// stays registered (closeArchive removes it).
bool openArchive(const QString& path, const QString& connectionName, QString* error);
void closeArchive(const QString& connectionName);
// Opens the archive for reading only: no journal change, no migration, nothing written, so that an
// archive on a read-only medium (or a copy of one) can be read. An archive of an older schema, or
// one not there yet, is opened as openArchive does.
bool openArchiveForReading(const QString& path, const QString& connectionName, QString* error);

// The schema version the file holds (0: none yet).
int archiveVersion(QSqlDatabase& db);

// Writes rows unless their minute is already in the archive (that row is kept), through one
// prepared statement, and adds each new row to its hour.
class MinuteInsert {
public:
    explicit MinuteInsert(QSqlDatabase& db);
    // False on failure; *added tells whether the row was new.
    bool insert(const MinuteRow& row, QSqlError* error, bool* added = nullptr);

private:
    QSqlQuery query_;
    QSqlQuery marked_;  // the quantities marked at a minute (a row put into a marked span)
    HourRollup rollup_;
    bool prepared_ = false;
};

// A failed statement in German: "Datenbank gesperrt", "nur lesbar", "Platte voll", ...
QString archiveReason(const QSqlError& error);
