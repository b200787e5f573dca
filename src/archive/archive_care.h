// The archive's care while the program runs: the check at start (a damaged archive is moved aside
// and a new one begun), a backup once a day on a thread of its own beside the writer, and the
// climate reports of the last month and year written into BerichtOrdner on the first of each month
// while "Aktiv" (or at the first chance after it).
#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

#include "config/settings.h"

class ArchiveCare : public QObject {
    Q_OBJECT
public:
    // `active`: whether reception is switched on ("Aktiv").
    ArchiveCare(const Settings& settings, std::function<bool()> active, QObject* parent = nullptr);
    ~ArchiveCare() override;

    // Before the archive is first opened: a damaged archive is moved aside, with one message.
    void checkAtStart();
    // Looks at `now`: the day's backup when there is none yet (on its thread), the reports on the
    // first of a month. The timer does so every ten minutes.
    void check(const QDateTime& now);
    // Waits for a backup under way (the end of the run, tests).
    void waitForBackup();

private:
    void writeReports(const QDate& today, const QString& folder);

    const Settings& settings_;
    std::function<bool()> active_;
    QTimer timer_;
    std::thread backup_;
    std::atomic<bool> backingUp_{false};
    QDate
        backupTried_;  // the day a backup was last started (a failed one is not repeated that day)
    QDate reportsWritten_;  // the first of the month whose reports are there
};
