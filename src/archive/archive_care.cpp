#include "archive/archive_care.h"

#include <QDir>
#include <QFileInfo>

#include "archive/archive_backup.h"
#include "archive/archive_queries.h"
#include "archive/climate_report.h"
#include "base/app_clock.h"
#include "base/notifier.h"

ArchiveCare::ArchiveCare(const Settings& settings, std::function<bool()> active, QObject* parent)
    : QObject(parent), settings_(settings), active_(std::move(active)) {
    timer_.setInterval(10 * 60 * 1000);
    connect(&timer_, &QTimer::timeout, this, [this] { check(AppClock::currentDateTime()); });
    timer_.start();
}

ArchiveCare::~ArchiveCare() {
    waitForBackup();
}

void ArchiveCare::checkAtStart() {
    const QString path = settings_.archivePath();
    if (!settings_.ArchivAktiv || path.isEmpty())
        return;
    if (const std::optional<QString> message = setAsideDamagedArchive(path))
        notify(QStringLiteral("Archiv"), *message);
}

void ArchiveCare::waitForBackup() {
    if (backup_.joinable())
        backup_.join();
}

void ArchiveCare::check(const QDateTime& now) {
    const QString path = settings_.archivePath();
    if (!settings_.ArchivAktiv || path.isEmpty() || !QFileInfo::exists(path))
        return;
    const QDate today = now.date();
    if (backupTried_ != today && !backingUp_) {
        const QStringList copies = archiveBackups(path);
        if (copies.isEmpty() ||
            !QFileInfo(copies.first()).fileName().contains(today.toString(Qt::ISODate))) {
            backupTried_ = today;
            waitForBackup();
            backingUp_ = true;
            backup_ = std::thread([this, path, today] {
                QString error;
                const bool good = backupArchive(path, today, nullptr, &error);
                backingUp_ = false;
                if (!good)
                    QMetaObject::invokeMethod(
                        this,
                        [error] {
                            notify(QStringLiteral("Archiv"),
                                   QStringLiteral("Die Sicherung des Archivs ist misslungen."),
                                   MessageButtons::Ok, error);
                        },
                        Qt::QueuedConnection);
            });
        }
    }
    // From the first of a month on, at the first chance while "Aktiv" (a program that was not
    // running on the first catches up).
    if (settings_.BerichtOrdner.isEmpty() ||
        reportsWritten_ == QDate(today.year(), today.month(), 1) || !active_())
        return;
    const QString folder = QDir(settings_.ProgramFolder).absoluteFilePath(settings_.BerichtOrdner);
    const QDate lastMonth = today.addMonths(-1);
    if (!QFileInfo::exists(
            QDir(folder).filePath(reportFileName(lastMonth.year(), lastMonth.month()))))
        writeReports(today, folder);
    reportsWritten_ = QDate(today.year(), today.month(), 1);
}

void ArchiveCare::writeReports(const QDate& today, const QString& folder) {
    ArchiveReader reader(settings_.archivePath());
    if (!reader.isOpen())
        return;
    const QDate lastMonth = today.addMonths(-1);
    QString error;
    if (!writeClimateReport(reader, folder, lastMonth.year(), lastMonth.month(), &error) ||
        !writeClimateReport(reader, folder, today.year() - 1, 0, &error))
        notify(QStringLiteral("Archiv"),
               QStringLiteral("Der Klimabericht kann nicht geschrieben werden."),
               MessageButtons::Ok, error);
}
