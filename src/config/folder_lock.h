// One program per program folder: a lock file in the folder, held for the whole run, keeps a second
// program from interleaving its lines into the same log and overwriting the same pages and
// settings. A lock left behind by a program that died is taken over.
#pragma once

#include <QLockFile>
#include <QString>

class FolderLock {
public:
    enum class Outcome {
        Locked,       // this program holds the folder
        HeldByOther,  // another program runs with this folder; message() says which
        Unavailable,  // no lock can be made there (a read-only folder); message() says why
    };

    explicit FolderLock(const QString& programFolder);

    // Takes the lock. Only the process that holds it counts: age does not make a lock stale.
    Outcome lock();
    // The German message for HeldByOther or Unavailable.
    const QString& message() const { return message_; }
    // Takes the lock and reports through the general error handler when it is not had; false when
    // another program holds the folder (this one must end).
    bool lockOrReport();

private:
    QString folder_;
    QLockFile file_;
    QString message_;
};
