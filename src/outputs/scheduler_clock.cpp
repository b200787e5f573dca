#include "outputs/scheduler_clock.h"

#include "base/app_clock.h"

namespace {
// When the timer fires while another tick is still running, it looks again this much later.
constexpr int kBusyRetryMs = 100;
}  // namespace

DueTicks runDueTicks(Scheduler& scheduler, qint64& lastSecond, const QDateTime& now) {
    const qint64 second = wallSecond(now);
    const DueTicks due = dueTicks(lastSecond, second);
    if (due.jumped)
        scheduler.clockJumped();
    if (due.second) {
        lastSecond = second;
        scheduler.tmrSekundenTimer();
    }
    if (due.minute)
        scheduler.minutencountTimer();
    return due;
}

SchedulerClock::SchedulerClock(Scheduler& scheduler, QObject* parent)
    : QObject(parent), scheduler_(scheduler) {
    tickTimer_.setSingleShot(true);
    tickTimer_.setTimerType(Qt::PreciseTimer);
    logTimer_.setTimerType(Qt::PreciseTimer);
    connect(&tickTimer_, &QTimer::timeout, this, &SchedulerClock::wake);
    connect(&logTimer_, &QTimer::timeout, this, &SchedulerClock::logTimeout);
    scheduler_.onTimersChanged = [this] { follow(); };
    follow();
}

SchedulerClock::~SchedulerClock() {
    scheduler_.onTimersChanged = nullptr;
}

void SchedulerClock::follow() {
    if (scheduler_.isActive() && !ticking_) {
        ticking_ = true;
        // The second in which the switch went on counts as seen: the first tick is the next one.
        lastSecond_ = wallSecond(AppClock::currentDateTime());
        arm();
    } else if (!scheduler_.isActive() && ticking_) {
        ticking_ = false;
        tickTimer_.stop();
    }
    const int interval = scheduler_.logInterval();
    if (interval != logTimerInterval()) {
        logTimer_.stop();
        if (interval > 0)
            logTimer_.start(interval);
    }
}

void SchedulerClock::arm() {
    tickTimer_.start(msUntilNextSecond(AppClock::currentDateTime()));
}

void SchedulerClock::wake() {
    if (!ticking_)
        return;
    if (busy_) {
        tickTimer_.start(kBusyRetryMs);
        return;
    }
    busy_ = true;
    const DueTicks due = runDueTicks(scheduler_, lastSecond_, AppClock::currentDateTime());
    busy_ = false;
    if (due.jumped)
        emit clockJumped();
    if (due.second)
        emit secondTicked();
    if (due.minute)
        emit minuteTicked();
    if (logPending_)
        logTimeout();
    if (ticking_)
        arm();
}

void SchedulerClock::logTimeout() {
    if (busy_) {
        logPending_ = true;
        return;
    }
    logPending_ = false;
    busy_ = true;
    scheduler_.logtimerTimer();
    busy_ = false;
    emit logTicked();
}
