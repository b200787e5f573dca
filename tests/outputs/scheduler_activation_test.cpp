// The "Aktiv" switch: what it opens and closes, the activation run and its conditions, the
// run-now commands.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/notifier.h"
#include "outputs/scheduler_fakes.h"

namespace {

const QDateTime kStart = stationTime(QDate(2025, 6, 16), QTime(10, 0, 0));

void twoProfiles(Settings& s) {
    s.ProfileCount = 3;
    s.profile(1).WieWinGT = true;
    s.profile(2).WieWinGT = false;
    s.profile(3).WieWinGT = true;
}

}  // namespace

TEST(SchedulerActivation, NothingWrittenBeforeAllFiveGroups) {
    SchedulerRig rig(kStart);
    twoProfiles(rig.settings);
    rig.data.GroupSeen = {true, true, true, true, false};
    rig.data.Record.Rain.Total = 40;
    rig.scheduler.toggleActive();
    EXPECT_TRUE(rig.scheduler.isActive());
    EXPECT_EQ(rig.outputs.totalWrites(), 0);
    EXPECT_TRUE(rig.data.FirstRoundPending);
    EXPECT_EQ(rig.data.RainReference, 0);

    // The run is not made up for when the last group arrives; only a later activation runs it.
    rig.data.GroupSeen[4] = true;
    rig.scheduler.tmrSekundenTimer();
    rig.scheduler.minutencountTimer();
    EXPECT_EQ(rig.outputs.report(1), 0);
    rig.scheduler.toggleActive();
    rig.scheduler.toggleActive();
    EXPECT_FALSE(rig.data.FirstRoundPending);
    EXPECT_EQ(rig.data.RainReference, 40);
    // autoImport: profiles 1 and 3 (WieWinGT), profile 1 being the Read page; then autoRead,
    // autoLog, autoAPRS.
    const EventLog expected = {"open serial", "report 1", "report 3", "report 1", "log", "aprs"};
    EXPECT_EQ(EventLog(rig.events.end() - 6, rig.events.end()), expected);
}

TEST(SchedulerActivation, AutoSwitchesChooseTheOutputs) {
    SchedulerRig rig(kStart);
    twoProfiles(rig.settings);
    rig.settings.autoImport = false;
    rig.settings.autoAPRS = false;
    rig.seeAllGroups();
    rig.scheduler.toggleActive();
    EXPECT_EQ(rig.outputs.report(1), 1);
    EXPECT_EQ(rig.outputs.report(3), 0);
    EXPECT_EQ(rig.outputs.logs, 1);
    EXPECT_EQ(rig.outputs.aprs, 0);
}

TEST(SchedulerActivation, ClientModeOpensTheClientAndNeverRunsTheFirstRound) {
    SchedulerRig rig(kStart);
    rig.settings.ClientActive = true;
    rig.scheduler.toggleActive();
    EXPECT_EQ(rig.events, EventLog({"open client"}));
    EXPECT_EQ(rig.outputs.totalWrites(), 0);

    // Client polling: every second while connected, with the seconds counter of that second.
    rig.clock.set(kStart.addSecs(1));  // 10:00:01 -> counter 58
    rig.scheduler.tmrSekundenTimer();
    rig.clock.set(stationTime(kStart.date(), QTime(10, 0, 59)));
    rig.scheduler.tmrSekundenTimer();
    EXPECT_EQ(rig.input.requestCounters, std::vector<std::uint8_t>({58, 0}));

    rig.scheduler.toggleActive();
    EXPECT_EQ(rig.events.back(), "close client");
    EXPECT_FALSE(rig.input.connected);
    rig.scheduler.tmrSekundenTimer();
    EXPECT_EQ(rig.input.requestCounters.size(), 2u);
}

TEST(SchedulerActivation, SwitchingSetsCountersAndState) {
    SchedulerRig rig(kStart.addMSecs(300));
    rig.settings.APRSIntervall = 5;
    rig.scheduler.setLogInterval(600000);
    rig.scheduler.toggleActive();
    EXPECT_EQ(rig.scheduler.secondsCounter(), 59);
    EXPECT_EQ(rig.scheduler.logMinutesLeft(), 10);
    EXPECT_EQ(rig.scheduler.aprsMinutesLeft(), 5);
    EXPECT_EQ(rig.scheduler.activationTime(), kStart.addMSecs(300));
    EXPECT_EQ(rig.title.bar().caption(), "Wetterpult - Aktiv");
    EXPECT_EQ(rig.title.bar().panels()[3], "Wetterlog: 9:59");
    EXPECT_EQ(rig.title.bar().panels()[4], "APRS: 4:59");

    rig.clock.advanceSeconds(20);
    rig.scheduler.toggleActive();
    EXPECT_FALSE(rig.scheduler.isActive());
    EXPECT_EQ(rig.title.bar().caption(), "Wetterpult - Inaktiv");
    EXPECT_EQ(rig.title.bar().panels()[5], "Laufzeit: 0:00:00:20");
    EXPECT_FALSE(rig.input.serialOpen);
}

TEST(SchedulerActivation, StationThatCannotBeReachedLeavesTheSwitchOn) {
    SchedulerRig rig(kStart);
    rig.input.serialOpens = false;  // reported and tried again by the input
    rig.input.lostSince = kStart;
    rig.settings.APRSIntervall = 5;
    rig.scheduler.toggleActive();
    EXPECT_TRUE(rig.scheduler.isActive());
    EXPECT_EQ(rig.scheduler.aprsMinutesLeft(), 5);
    EXPECT_EQ(rig.title.bar().caption(), "Wetterpult - Aktiv");
    EXPECT_EQ(rig.title.bar().panels()[5], "Keine Verbindung zur Station seit 10:00");
    rig.scheduler.toggleActive();  // switching off ends the retries
    EXPECT_EQ(rig.events.back(), "close client");
    EXPECT_FALSE(rig.scheduler.isActive());
}

TEST(SchedulerStaleData, TimedOutputsSkippedWithOneMessageRunNowWarnsAndWrites) {
    RecordingNotifier notifier;
    ScopedNotifier scope(notifier);
    SchedulerRig rig(kStart);
    rig.seeAllGroups();
    rig.settings.APRSIntervall = 1;
    rig.settings.ReadMinute = true;
    rig.scheduler.toggleActive();  // fresh: the first round is written
    const int firstRound = rig.outputs.totalWrites();
    EXPECT_GT(firstRound, 0);

    rig.stationSends = false;
    rig.outputs.reportHour = true;
    for (int minute = 0; minute < 3; ++minute) {
        rig.clock.advanceSeconds(60);
        rig.scheduler.minutencountTimer();
        rig.scheduler.logtimerTimer();
    }
    EXPECT_EQ(rig.outputs.totalWrites(), firstRound);
    EXPECT_EQ(std::count(rig.events.begin(), rig.events.end(), "asynop hourly without line"), 3);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("Keine aktuellen Daten"));
    EXPECT_EQ(rig.title.bar().panels()[5], "Keine aktuellen Daten");

    // "JETZT" writes all the same, after a warning.
    rig.scheduler.logNow();
    EXPECT_EQ(rig.outputs.logs, 2);
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_TRUE(notifier.messages[1].text.startsWith("Die Daten der Station sind nicht aktuell"));

    // Fresh data again: written again, and the next stale spell is told once more.
    rig.stationSends = true;
    rig.scheduler.logtimerTimer();
    EXPECT_EQ(rig.outputs.logs, 3);
    rig.stationSends = false;
    rig.scheduler.logtimerTimer();
    rig.scheduler.logtimerTimer();
    EXPECT_EQ(notifier.messages.size(), 3u);
}

TEST(SchedulerRunNow, CommandsActWhateverTheStateAndSettings) {
    SchedulerRig rig(kStart);
    rig.settings.ImportManuell = true;
    rig.settings.ReadManuell = true;
    rig.settings.autoLog = false;
    rig.settings.autoAPRS = false;
    rig.outputs.status = QStringLiteral("ASYNOP: XX");
    rig.scheduler.importNow();
    rig.scheduler.readNow();
    rig.scheduler.logNow();
    rig.scheduler.aprsNow();
    rig.scheduler.asynopNewFile();
    rig.scheduler.asynopAppendLine();
    rig.scheduler.asynopEndFile();
    EXPECT_EQ(rig.outputs.report(2), 1);
    EXPECT_EQ(rig.outputs.report(1), 1);
    EXPECT_EQ(rig.outputs.logs, 1);
    EXPECT_EQ(rig.outputs.aprs, 1);
    EXPECT_EQ(rig.outputs.asynopNew + rig.outputs.asynopAppend + rig.outputs.asynopEnd, 3);
    EXPECT_EQ(rig.title.bar().panels()[0], "ASYNOP: XX");

    // With ImportManuell and ReadManuell their times write nothing.
    rig.schedule.read = {"10:00"};
    rig.schedule.import = {"10:00"};
    rig.scheduler.updateScheduleTimes();
    rig.scheduler.toggleActive();
    rig.scheduler.tmrSekundenTimer();
    EXPECT_EQ(rig.outputs.report(2), 1);
    EXPECT_EQ(rig.outputs.report(1), 1);
}
