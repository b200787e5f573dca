#include "archive_commands.h"

#include <QFileInfo>
#include <cstdio>

#include "archive/archive_backup.h"
#include "archive/archive_marks.h"
#include "archive/archive_queries.h"
#include "archive/climate_report.h"
#include "archive/csv_export.h"
#include "archive/log_import.h"
#include "base/app_clock.h"
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
bool archiveThere(const QString& archive) {
    if (QFileInfo::exists(archive))
        return true;
    reportError(QStringLiteral("Das Archiv %1 gibt es noch nicht").arg(archive));
    return false;
}

int printReport(const QString& archive, const QString& period) {
    int year = 0, month = 0;
    QString error;
    if (!parseReportPeriod(period, &year, &month, &error)) {
        reportError(error);
        return 2;
    }
    if (!archiveThere(archive))
        return 1;
    ArchiveReader reader(archive);
    if (!reader.isOpen()) {
        reportError(QStringLiteral("Das Archiv %1 kann nicht gelesen werden: %2")
                        .arg(archive, reader.error()));
        return 1;
    }
    for (const QString& line : climateReportText(reader, climateReport(reader, year, month)))
        printTo(stdout, line);
    return 0;
}

int markSpan(const QString& archive, const QStringList& what, bool mark) {
    const MarkName* name = markNameFor(what[0]);
    if (!name) {
        QStringList keywords;
        for (const MarkName& m : markNames())
            keywords << QLatin1String(m.keyword);
        reportError(QStringLiteral("'%1' ist keine Größe (%2)")
                        .arg(what[0], keywords.join(QStringLiteral(", "))));
        return 2;
    }
    std::int64_t from = 0, to = 0;
    QString error;
    if (!exportRange(what[1], what[2], &from, &to, &error)) {
        reportError(error);
        return 2;
    }
    if (!archiveThere(archive))
        return 1;
    if (!setMarked(archive, name->quantities, from, to, mark, &error)) {
        reportError(QStringLiteral("Die Markierung kann nicht gespeichert werden: %1").arg(error));
        return 1;
    }
    printTo(stdout, QStringLiteral("%1 von %2 bis %3 %4")
                        .arg(QString::fromUtf8(name->name), what[1], what[2],
                             mark ? QStringLiteral("als ungültig markiert")
                                  : QStringLiteral("wieder gültig")));
    return 0;
}

int backupNow(const QString& archive) {
    if (!archiveThere(archive))
        return 1;
    QString copy, error;
    if (!backupArchive(archive, AppClock::currentDateTime().date(), &copy, &error)) {
        reportError(QStringLiteral("Die Sicherung des Archivs ist misslungen."), error);
        return 1;
    }
    printTo(stdout, QStringLiteral("Sicherung geprüft: %1").arg(copy));
    return 0;
}
}  // namespace

int runArchiveCommand(const QString& folder, const AppOptions& options) {
    Settings settings;
    settings.setProgramFolder(folder);
    PlainSettingsHost host;
    LoadSettings(settings, host);
    if (!options.importLogs.isEmpty())
        return importLogs(settings.archivePath(), options.importLogs);
    if (!options.report.isEmpty())
        return printReport(settings.archivePath(), options.report);
    if (!options.mark.isEmpty())
        return markSpan(settings.archivePath(), options.mark, !options.unmark);
    if (options.backup)
        return backupNow(settings.archivePath());
    return exportCsvToStdout(settings.archivePath(), options);
}
