#include "archive/ui/log_import_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

#include "archive/log_import.h"
#include "base/notifier.h"

void importLogsWithDialog(QWidget* parent, const QString& archivePath, const QString& logFolder) {
    const QStringList files = QFileDialog::getOpenFileNames(
        parent, QStringLiteral("Wetterlog importieren"), logFolder,
        QStringLiteral("Wetterlog-Dateien (*.txt);;Alle Dateien (*)"));
    if (!files.isEmpty())
        importLogFiles(parent, archivePath, files);
}

QString importLogFiles(QWidget* parent, const QString& archivePath, const QStringList& files) {
    QProgressDialog progress(QStringLiteral("Wetterlog wird importiert..."),
                             QStringLiteral("Abbrechen"), 0, int(files.size()), parent);
    progress.setObjectName(QStringLiteral("WetterlogImport"));
    progress.setWindowTitle(QStringLiteral("Wetterlog importieren"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    LogImportCounts counts;
    QString error;
    const bool good = LogImport::run(archivePath, files, &counts, &error,
                                     [&progress](int index, int, const QString& file) {
                                         progress.setValue(index);
                                         progress.setLabelText(QFileInfo(file).fileName());
                                         QApplication::processEvents();
                                         return !progress.wasCanceled();
                                     });
    progress.setValue(int(files.size()));
    const QString summary = logImportSummary(counts);
    if (good)
        inform(QStringLiteral("Wetterlog importieren"), summary);
    else
        notify(QStringLiteral("Wetterlog importieren"), error + QStringLiteral("\n") + summary);
    return summary;
}
