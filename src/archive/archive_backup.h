// Copies of the archive in the folder `Sicherung` beside it: taken while the writer goes on
// (SQLite's online backup, one read snapshot of the WAL archive, so the writer never waits for
// it), checked with an integrity check of the copy before it takes its name, 7 daily and 4 weekly
// copies kept. And the check at start: a damaged archive is moved aside and a new one begun, so
// that the station goes on recording.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The backup folder of the archive at `archivePath`.
QString backupFolder(const QString& archivePath);

// Copies the archive into its backup folder as "<name>-yyyy-MM-dd.sqlite" of `day` (a copy of that
// day is replaced), checks the copy and prunes the old ones. False with a German reason; a copy
// that failed its check is removed and the older ones stay.
bool backupArchive(const QString& archivePath, const QDate& day, QString* copyPath, QString* error);
// The checked copies in the backup folder, newest first.
QStringList archiveBackups(const QString& archivePath);
// Keeps the 7 newest copies and the newest of each of the 4 weeks before them; removes the rest.
void pruneBackups(const QString& archivePath);

// The archive at start: nothing to do when it is sound, busy or not there yet. A damaged one (a
// quick check that finds faults, or a file SQLite cannot read as an archive) is moved aside to
// "<name>.defekt-yyyyMMdd-HHmmss" with its journal files; the returned German message says where
// and names the newest backup copy. nullopt when nothing was moved.
std::optional<QString> setAsideDamagedArchive(const QString& archivePath);
