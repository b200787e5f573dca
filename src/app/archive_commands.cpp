#include "archive_commands.h"

#include <QFileInfo>
#include <cstdio>

#include "archive/archive_queries.h"
#include "archive/csv_export.h"
#include "archive/log_import.h"
#include "base/notifier.h"
#include "base/progress_steps.h"
#include "config/plain_settings_host.h"
#include "config/settings_file.h"

namespace {
void printTo(std::FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stream);
}

int importLogs(const QString& archive, const QStringList& paths) {
    for (const QString& path : paths) {
        if (!QFileInfo::exists(path)) {
            reportError(QStringLiteral("%1 gibt es nicht").arg(path));
            return 1;
        }
    }
    const QStringList files = logImportFiles(paths);
    LogImportCounts counts;
    QString error;
    // Progress in steps of 5 % of the files (each file once when there are fewer than twenty).
    ProgressSteps steps(files.size());
    const bool good = LogImport::run(
        archive, files, &counts, &error, [&steps](int index, int count, const QString& file) {
            if (const auto percent = steps.reached(index + 1))
                printTo(stderr, QStringLiteral("Import: %1 % (Datei %2 von %3: %4)")
                                    .arg(*percent)
                                    .arg(index + 1)
                                    .arg(count)
                                    .arg(file));
            return true;
        });
    printTo(stdout, logImportSummary(counts));
    if (!good) {
        reportError(error);
        return 1;
    }
    return 0;
}

int exportCsvToStdout(const QString& archive, const AppOptions& options) {
    std::int64_t from = 0, to = 0;
    QString error;
    if (!exportRange(options.exportFrom, options.exportTo, &from, &to, &error)) {
        reportError(error);
        return 2;
    }
    if (!QFileInfo::exists(archive)) {
        reportError(QStringLiteral("Das Archiv %1 gibt es noch nicht").arg(archive));
        return 1;
    }
    ArchiveReader reader(archive);
    if (!reader.isOpen()) {
        reportError(QStringLiteral("Das Archiv %1 kann nicht gelesen werden: %2")
                        .arg(archive, reader.error()));
        return 1;
    }
    const bool written =
        exportCsv(reader, from, to, options.exportDays ? CsvRows::Days : CsvRows::Minutes,
                  [](const QByteArray& bytes) {
                      return std::fwrite(bytes.constData(), 1, bytes.size(), stdout) ==
                             std::size_t(bytes.size());
                  });
    std::fflush(stdout);
    return written ? 0 : 1;
}
}  // namespace

int runArchiveCommand(const QString& folder, const AppOptions& options) {
    Settings settings;
    settings.setProgramFolder(folder);
    PlainSettingsHost host;
    LoadSettings(settings, host);
    if (!options.importLogs.isEmpty())
        return importLogs(settings.archivePath(), options.importLogs);
    return exportCsvToStdout(settings.archivePath(), options);
}
