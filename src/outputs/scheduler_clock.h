// Drives the scheduler from the real clock: a single-shot timer re-armed to just after every
// wall-clock second runs the second tick once per second and the minute tick once per minute,
// and a log timer runs every log interval, whether or not the program is active.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include "outputs/scheduler.h"
#include "outputs/tick_plan.h"

// Runs the ticks due at now on the scheduler (second tick first, then minute tick; after a clock
// jump the next schedule times are renewed first) and moves lastSecond on.
DueTicks runDueTicks(Scheduler& scheduler, qint64& lastSecond, const QDateTime& now);

class SchedulerClock : public QObject {
    Q_OBJECT
public:
    // Follows the scheduler's active state and log interval from now on.
    explicit SchedulerClock(Scheduler& scheduler, QObject* parent = nullptr);
    ~SchedulerClock() override;

    bool ticking() const { return ticking_; }
    int logTimerInterval() const { return logTimer_.isActive() ? logTimer_.interval() : 0; }

signals:
    void secondTicked();
    void minuteTicked();
    void clockJumped();
    void logTicked();

private:
    void follow();
    void wake();
    void logTimeout();
    void arm();

    Scheduler& scheduler_;
    QTimer tickTimer_;
    QTimer logTimer_;
    bool ticking_ = false;
    qint64 lastSecond_ = 0;
    // A writer may show a message box with its own event loop: no tick or log line runs inside
    // another one; a log line that falls due meanwhile is written right after.
    bool busy_ = false;
    bool logPending_ = false;
};
