// Imports old weather-log files into the archive: files or whole folders (recursing; in a folder
// only the log's own file names: day "t24.06.2024.txt", week "w26.2024.txt", month
// "Juni.2024.txt"), every line form the log writer produces. A minute already in the archive is
// kept, so a second import adds nothing.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

struct LogImportCounts {
    qint64 taken = 0;    // rows written into the archive
    qint64 skipped = 0;  // lines that could not be read
    qint64 present = 0;  // lines whose minute was in the archive already
    int files = 0;
};

// "12.345 Zeilen übernommen, 3 übersprungen" (and how many were in the archive already).
QString logImportSummary(const LogImportCounts& counts);

// The files an import of these paths reads, in name order per folder.
QStringList logImportFiles(const QStringList& paths);

class LogImport {
public:
    // Called before each file (index from 0); false cancels the import after the files done.
    using Progress = std::function<bool(int index, int count, const QString& file)>;

    // Reads the files into the archive at `archivePath`. False with a German reason in *error
    // when the archive cannot be opened or written (what was written stays).
    static bool run(const QString& archivePath, const QStringList& files, LogImportCounts* counts,
                    QString* error, const Progress& progress = {});
};
