// Whole simulated days through the tick handlers: every output on its schedule, counted.
#include <gtest/gtest.h>

#include <set>

#include "outputs/scheduler_fakes.h"

namespace {

const QDate kDay(2025, 6, 16);
constexpr qint64 kDaySeconds = 86400;

// A station set up with every output: Read at three times, Import at two, two profiles with a
// daily time, APRS every 10 minutes, the log every 10 minutes.
void everyOutput(SchedulerRig& rig) {
    Settings& s = rig.settings;
    s.ReadManuell = false;
    s.ImportManuell = false;
    s.APRSIntervall = 10;
    s.ProfileCount = 4;
    s.profile(1).WieWinGT = true;
    s.profile(2).WieWinGT = false;
    s.profile(2).Uhrzeit = QStringLiteral("16:57");
    s.profile(3).WieWinGT = false;
    s.profile(3).Uhrzeit = QStringLiteral("08:15");
    s.profile(4).WieWinGT = true;  // follows the Import schedule: only in the first round
    s.profile(4).Uhrzeit = QStringLiteral("12:00");
    rig.scheduler.setLogInterval(600000);
    rig.schedule.read = {"06:00", "12:00", "18:00"};
    rig.schedule.import = {"07:30", "19:30"};
}

void startAndActivate(SchedulerRig& rig) {
    rig.scheduler.takeStartClock();
    rig.scheduler.updateScheduleTimes();
    rig.seeAllGroups();
    rig.scheduler.toggleActive();
}

std::vector<QTime> timesOf(const std::vector<QDateTime>& moments) {
    std::vector<QTime> t;
    for (const QDateTime& m : moments)
        t.push_back(QTime(m.time().hour(), m.time().minute()));
    return t;
}

}  // namespace

TEST(SchedulerDay, EveryOutputOnItsScheduleWithListsOfSeveralTimes) {
    SchedulerRig rig(stationTime(kDay, QTime(9, 59, 30)));
    everyOutput(rig);
    startAndActivate(rig);
    // The first round: profiles 1 and 4, the Read page, a log line, the APRS file.
    EXPECT_EQ(rig.outputs.totalWrites(), 5);

    SimulatedTime sim(rig);
    sim.run(kDaySeconds);

    EXPECT_EQ(sim.secondTicks, kDaySeconds);
    EXPECT_EQ(sim.minuteTicks, 1440);
    EXPECT_EQ(sim.jumps, 0);
    // Read: the first round twice (profile 1 and autoRead), then 06:00, 12:00 and 18:00.
    EXPECT_EQ(rig.outputs.report(1), 5);
    EXPECT_EQ(timesOf(std::vector<QDateTime>(rig.outputs.reportTimes[1].begin() + 2,
                                             rig.outputs.reportTimes[1].end())),
              std::vector<QTime>({QTime(12, 0), QTime(18, 0), QTime(6, 0)}));
    // Profile 2: both Import times and its own daily time.
    EXPECT_EQ(timesOf(rig.outputs.reportTimes[2]),
              std::vector<QTime>({QTime(16, 57), QTime(19, 30), QTime(7, 30)}));
    EXPECT_EQ(timesOf(rig.outputs.reportTimes[3]), std::vector<QTime>({QTime(8, 15)}));
    EXPECT_EQ(rig.outputs.report(4), 1);
    // APRS: the first round, then every tenth minute tick (10:09, 10:19, ... 09:59).
    EXPECT_EQ(rig.outputs.aprs, 1 + 144);
    // The log: the first round, then every 10 minutes of the log timer.
    EXPECT_EQ(rig.outputs.logs, 1 + 144);
    // The ASYNOP check once in every wall-clock minute, each minute once.
    ASSERT_EQ(rig.outputs.hourlyChecks.size(), 1440u);
    for (std::size_t i = 0; i < rig.outputs.hourlyChecks.size(); ++i)
        EXPECT_EQ(wallMinute(rig.outputs.hourlyChecks[i]),
                  wallMinute(stationTime(kDay, QTime(10, 0))) + qint64(i));
    EXPECT_EQ(rig.outputs.statusTexts, 1440);
    EXPECT_EQ(rig.scheduler.nextReadTime(), "12:00");
    EXPECT_EQ(rig.scheduler.nextImportTime(), "19:30");
}

TEST(SchedulerDay, ListsOfOneTimeOrNoneWriteOncePerDay) {
    SchedulerRig rig(stationTime(kDay, QTime(9, 0)));
    everyOutput(rig);
    rig.schedule.read = {"12:00"};
    rig.schedule.import = {};  // counts as 00:00
    startAndActivate(rig);
    EXPECT_EQ(rig.scheduler.nextImportTime(), "00:00");
    const int firstRound = rig.outputs.report(1);

    SimulatedTime sim(rig);
    sim.run(2 * kDaySeconds);
    // The same time comes back after it fired, but the page is written once, not at every second
    // of that minute.
    EXPECT_EQ(rig.outputs.report(1) - firstRound, 2);
    EXPECT_EQ(timesOf(rig.outputs.reportTimes[2]),
              std::vector<QTime>({QTime(16, 57), QTime(0, 0), QTime(16, 57), QTime(0, 0)}));
}

TEST(SchedulerDay, ReadPageEveryMinuteAndNothingWhileInactive) {
    SchedulerRig rig(stationTime(kDay, QTime(9, 0)));
    everyOutput(rig);
    rig.settings.ReadMinute = true;
    rig.settings.ReadManuell = true;
    rig.settings.autoRead = false;
    rig.settings.autoImport = false;
    startAndActivate(rig);

    SimulatedTime sim(rig);
    sim.run(3600);
    EXPECT_EQ(rig.outputs.report(1), 60);

    // Inactive: no ticks, no scheduled outputs; the log timer goes on.
    rig.scheduler.toggleActive();
    const int before = rig.outputs.totalWrites();
    const int logsBefore = rig.outputs.logs;
    sim.run(3 * 3600);
    EXPECT_EQ(rig.outputs.logs - logsBefore, 18);
    EXPECT_EQ(rig.outputs.totalWrites() - before, 18);
    EXPECT_EQ(rig.outputs.hourlyChecks.size(), 60u);
}

TEST(SchedulerDay, CountdownsAndDailyRainReference) {
    SchedulerRig rig(stationTime(kDay, QTime(9, 59, 30)));
    everyOutput(rig);
    rig.settings.APRSIntervall = 3;
    rig.scheduler.setLogInterval(300000);
    startAndActivate(rig);
    EXPECT_EQ(rig.scheduler.startClock(), "0959");
    rig.data.Record.Rain.Total = 50;  // fell after the first round took its reference of 0

    SimulatedTime sim(rig);
    std::vector<QString> panels;
    sim.run(200, [&] {
        if (rig.clock.now().time().second() == 40)
            panels.push_back(rig.title.bar().line());
    });
    // Read at 09:59:40, 10:00:40, 10:01:40, 10:02:40, each showing the tick of the second before.
    // The seconds run with the wall clock, so they reach 0 just as the minute tick comes.
    ASSERT_EQ(panels.size(), 4u);
    EXPECT_TRUE(panels[0].contains("Wetterlog: 4:20 | APRS: 2:20")) << qPrintable(panels[0]);
    EXPECT_TRUE(panels[1].contains("Wetterlog: 3:20 | APRS: 1:20")) << qPrintable(panels[1]);
    EXPECT_TRUE(panels[2].contains("Wetterlog: 2:20 | APRS: 0:20")) << qPrintable(panels[2]);
    // 10:02: the APRS file was written and the count starts again; the log count goes on.
    EXPECT_TRUE(panels[3].contains("Wetterlog: 1:20 | APRS: 2:20")) << qPrintable(panels[3]);
    EXPECT_TRUE(panels[3].contains("Laufzeit: 0:00:03:09")) << qPrintable(panels[3]);
    EXPECT_EQ(rig.outputs.aprs, 2);
    EXPECT_EQ(rig.data.Rain24h, 50);

    // At the start minute of the next day the reference is taken anew.
    sim.run(kDaySeconds - 240);  // to 09:58:50
    rig.data.Record.Rain.Total = 80;
    sim.run(60);
    EXPECT_EQ(rig.data.RainReference, 80);
    EXPECT_EQ(rig.data.Rain24h, 0);
    rig.data.Record.Rain.Total = 83;
    sim.run(60);
    EXPECT_EQ(rig.data.Rain24h, 3);
}

TEST(SchedulerDay, ClockJumpsPickUpFromTheNewTime) {
    SchedulerRig rig(stationTime(kDay, QTime(5, 0)));
    everyOutput(rig);
    startAndActivate(rig);
    SimulatedTime sim(rig);
    sim.run(3600);
    const auto checksBefore = rig.outputs.hourlyChecks.size();

    // Suspended from 06:00:00 to 09:00:00 across the 06:00 Read time: no burst of ticks, and
    // the rest of the day's list (12:00, 18:00) is still written.
    sim.jumpTo(stationTime(kDay, QTime(9, 0, 0, 400)));
    sim.run(86400 - 4 * 3600);
    EXPECT_EQ(sim.jumps, 1);
    EXPECT_EQ(rig.outputs.hourlyChecks.size() - checksBefore, std::size_t(1 + 20 * 60));
    std::set<QTime> readTimes;
    for (const QDateTime& t : rig.outputs.reportTimes[1])
        readTimes.insert(QTime(t.time().hour(), t.time().minute()));
    EXPECT_EQ(readTimes.count(QTime(12, 0)), 1u);
    EXPECT_EQ(readTimes.count(QTime(18, 0)), 1u);

    // Set back by an hour: ticks go on at once from the new time (the minute of the jump, then
    // one per minute).
    const auto ticks = sim.minuteTicks;
    sim.jumpTo(rig.clock.now().addSecs(-3600));
    sim.run(600);
    EXPECT_EQ(sim.jumps, 2);
    EXPECT_EQ(sim.minuteTicks - ticks, 1 + 10);
}
