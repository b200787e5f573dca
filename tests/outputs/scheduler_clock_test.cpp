// The Qt driver of the scheduler: real timers, a fixed clock that the test moves on.
#include "outputs/scheduler_clock.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QSignalSpy>

#include "outputs/scheduler_fakes.h"

namespace {

// Frozen just before a second boundary, so the driver re-arms every few milliseconds and a tick
// follows as soon as the test moves the clock on (the test keeps to such moments).
const QDateTime kStart = stationTime(QDate(2025, 6, 16), QTime(10, 0, 0, 990));

// Writes its log line while a message box is open (an event loop of its own) for a while.
class SlowLogOutputs : public FakeOutputs {
public:
    void writeLog() override {
        FakeOutputs::writeLog();
        if (onLog)
            onLog();
    }
    std::function<void()> onLog;
};

}  // namespace

TEST(SchedulerClock, TicksFollowTheWallClockWhileActive) {
    SchedulerRig rig(kStart);
    SchedulerClock clock(rig.scheduler);
    QSignalSpy seconds(&clock, &SchedulerClock::secondTicked);
    QSignalSpy minutes(&clock, &SchedulerClock::minuteTicked);
    QSignalSpy jumps(&clock, &SchedulerClock::clockJumped);
    EXPECT_FALSE(clock.ticking());

    rig.scheduler.toggleActive();
    EXPECT_TRUE(clock.ticking());
    rig.clock.set(kStart.addSecs(1));  // 10:00:01.990
    ASSERT_TRUE(seconds.wait(2000));
    EXPECT_EQ(rig.scheduler.secondsCounter(), 58);
    EXPECT_EQ(minutes.count(), 0);

    rig.clock.set(stationTime(kStart.date(), QTime(10, 1, 0, 990)));
    ASSERT_TRUE(minutes.wait(2000));
    EXPECT_EQ(seconds.count(), 2);
    EXPECT_EQ(rig.outputs.hourlyChecks.size(), 1u);
    EXPECT_EQ(jumps.count(), 0);

    // Resumed two hours later: one tick of each, the schedule times taken anew.
    const int scheduleCalls = rig.schedule.calls;
    rig.clock.set(stationTime(kStart.date(), QTime(12, 1, 0, 990)));
    ASSERT_TRUE(jumps.wait(2000));
    EXPECT_EQ(rig.schedule.calls, scheduleCalls + 2);
    EXPECT_EQ(minutes.count(), 2);  // the same wake-up
    EXPECT_EQ(seconds.count(), 3);

    rig.scheduler.toggleActive();
    EXPECT_FALSE(clock.ticking());
}

TEST(SchedulerClock, LogTimerRunsWhetherActiveOrNot) {
    SchedulerRig rig(kStart);
    SchedulerClock clock(rig.scheduler);
    QSignalSpy logs(&clock, &SchedulerClock::logTicked);
    EXPECT_EQ(clock.logTimerInterval(), 600000);
    rig.scheduler.setLogInterval(20);
    EXPECT_EQ(clock.logTimerInterval(), 20);
    ASSERT_TRUE(logs.wait(2000));
    EXPECT_GE(rig.outputs.logs, 1);
    rig.scheduler.setLogInterval(0);
    EXPECT_EQ(clock.logTimerInterval(), 0);
}

TEST(SchedulerClock, NoTickRunsInsideAnotherOne) {
    SlowLogOutputs outputs;
    SchedulerRig rig(kStart);
    Scheduler scheduler(rig.data, rig.settings, outputs, rig.input, rig.schedule.source());
    scheduler.dataFresh = [] { return true; };
    SchedulerClock clock(scheduler);
    QSignalSpy seconds(&clock, &SchedulerClock::secondTicked);
    QSignalSpy logs(&clock, &SchedulerClock::logTicked);
    scheduler.toggleActive();

    int ticksDuringLog = -1;
    outputs.onLog = [&] {
        // A message box stays open while the clock passes a second boundary.
        rig.clock.set(kStart.addMSecs(10));
        QEventLoop box;
        QTimer::singleShot(150, &box, &QEventLoop::quit);
        box.exec();
        ticksDuringLog = int(seconds.count());
    };
    scheduler.setLogInterval(1);
    ASSERT_TRUE(logs.wait(2000));
    scheduler.setLogInterval(0);
    EXPECT_EQ(ticksDuringLog, 0);
    // The tick that fell due meanwhile comes right after.
    ASSERT_TRUE(seconds.wait(2000));
    EXPECT_EQ(seconds.count(), 1);
}
