#include "config/folder_lock.h"

#include "base/notifier.h"

namespace {
QString lockPath(const QString& folder) {
    return folder + QStringLiteral("wetterpult.lock");
}
}  // namespace

FolderLock::FolderLock(const QString& programFolder)
    : folder_(programFolder), file_(lockPath(programFolder)) {
    // A lock file that is merely old belongs to a program that has run long: never steal it.
    file_.setStaleLockTime(0);
}

FolderLock::Outcome FolderLock::lock() {
    if (file_.tryLock(0))
        return Outcome::Locked;
    qint64 pid = 0;
    QString host;
    QString application;
    // A lock file without a process in it (cut short by a power failure) would keep every later
    // start out. It is removed unless a running program still holds it.
    if (file_.error() == QLockFile::LockFailedError &&
        !file_.getLockInfo(&pid, &host, &application) && file_.removeStaleLockFile() &&
        file_.tryLock(0))
        return Outcome::Locked;
    if (file_.error() == QLockFile::LockFailedError) {
        QString folder = folder_;
        if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
            folder.chop(1);
        message_ = QString::fromUtf8("Wetterpult läuft bereits mit dem Ordner %1 (Prozess %2)")
                       .arg(folder)
                       .arg(pid);
        return Outcome::HeldByOther;
    }
    const QString reason = file_.error() == QLockFile::PermissionError
                               ? QStringLiteral("keine Schreibberechtigung")
                               : QStringLiteral("unbekannter Fehler");
    message_ = QString::fromUtf8(
                   "Die Sperrdatei %1 kann nicht angelegt werden (%2); ein zweites Wetterpult mit "
                   "diesem Ordner wird nicht erkannt.")
                   .arg(lockPath(folder_), reason);
    return Outcome::Unavailable;
}

bool FolderLock::lockOrReport() {
    const Outcome outcome = lock();
    if (outcome != Outcome::Locked)
        reportError(message_);
    return outcome != Outcome::HeldByOther;
}
