#include "display/status_texts.h"

#include <gtest/gtest.h>

#include "display/title_bar.h"

namespace {

const QDate kDay(2025, 6, 16);

StatusInputs activeInputs() {
    StatusInputs in;
    in.active = true;
    in.secondsCounter = 7;
    in.logMinutesLeft = 10;
    in.logIntervalMs = 600000;
    in.aprsMinutesLeft = 1;
    in.aprsIntervall = 5;
    in.nextImportTime = QStringLiteral("06:00");
    in.nextReadTime = QStringLiteral("12:00");
    in.activationTime = QDateTime(kDay, QTime(10, 0));
    return in;
}

}  // namespace

TEST(StatusTexts, CountdownsOfLogAndAprs) {
    StatusInputs in = activeInputs();
    const QDateTime now(kDay, QTime(11, 23, 45));
    StatusTexts t = statusTexts(in, now);
    EXPECT_EQ(t.caption, "Wetterpult - Aktiv");
    EXPECT_EQ(t.panels[3], "Wetterlog: 9:07");
    EXPECT_EQ(t.panels[4], "APRS: 0:07");
    EXPECT_EQ(t.panels[5], "Laufzeit: 0:01:23:45");

    in.secondsCounter = 59;  // right after switching active
    EXPECT_EQ(statusTexts(in, now).panels[3], "Wetterlog: 9:59");
    // A countdown that has run out (never activated, or a period below a minute) is no negative.
    in.logMinutesLeft = 0;
    in.aprsMinutesLeft = 0;
    EXPECT_EQ(statusTexts(in, now).panels[3], "Wetterlog: 0:59");
    EXPECT_EQ(statusTexts(in, now).panels[4], "APRS: 0:59");

    in.logIntervalMs = 0;
    in.aprsIntervall = 0;
    t = statusTexts(in, now);
    EXPECT_EQ(t.panels[3], "Kein Log");
    EXPECT_EQ(t.panels[4], "Kein APRS");
}

TEST(StatusTexts, TimeLeftUntilScheduledRuns) {
    StatusInputs in = activeInputs();
    EXPECT_EQ(statusTexts(in, QDateTime(kDay, QTime(23, 0))).panels[1], "Import: 07:00:00");
    EXPECT_EQ(statusTexts(in, QDateTime(kDay, QTime(5, 59, 30))).panels[1], "Import: 00:00:30");
    EXPECT_EQ(statusTexts(in, QDateTime(kDay, QTime(6, 0))).panels[1], "Import: 00:00:00");
    // Milliseconds are cut, not rounded.
    EXPECT_EQ(remainingTimeText("06:00", QTime(5, 59, 30, 400)), "00:00:29");
    // Nothing scheduled, or a text that is no time of day: due now.
    EXPECT_EQ(remainingTimeText("", QTime(9, 0)), "00:00:00");
    EXPECT_EQ(remainingTimeText("ab:cd", QTime(9, 0)), "00:00:00");
    EXPECT_EQ(remainingTimeText("25:00", QTime(9, 0)), "00:00:00");

    in.nextReadTime.clear();
    EXPECT_EQ(statusTexts(in, QDateTime(kDay, QTime(9, 0))).panels[2], "Read: 00:00:00");
}

TEST(StatusTexts, ManualAndOnceAMinuteRead) {
    StatusInputs in = activeInputs();
    const QDateTime now(kDay, QTime(9, 0));
    in.readMinute = true;
    EXPECT_EQ(statusTexts(in, now).panels[2], "Read: 07");
    in.readManuell = true;
    EXPECT_EQ(statusTexts(in, now).panels[2], "Read: manuell");
    in.importManuell = true;
    EXPECT_EQ(statusTexts(in, now).panels[1], "Import: manuell");
    in.active = false;
    EXPECT_EQ(statusTexts(in, now).caption, "Wetterpult - Inaktiv");
}

TEST(StatusTexts, RunTime) {
    const QDateTime start(kDay, QTime(10, 0));
    EXPECT_EQ(RunTimeText(start, start), "0:00:00:00");
    EXPECT_EQ(RunTimeText(start, start.addSecs(2 * 86400 + 10)), "2:00:00:10");
    EXPECT_EQ(RunTimeText(start, start.addSecs(86399)), "0:23:59:59");
    EXPECT_EQ(RunTimeText(start, start.addDays(400)), "400:00:00:00");
    // A clock set back before the start shows the span, not garbage.
    EXPECT_EQ(RunTimeText(start, start.addSecs(-3600)), "0:01:00:00");
}

TEST(TitleBar, NoCountdownUntilTheFirstRefresh) {
    TitleBar bar;
    EXPECT_EQ(bar.caption(), "Wetterpult - Inactive");
    EXPECT_EQ(bar.panels()[1], "");
    bar.setAsynopPanel(QStringLiteral("ASYNOP: XX"));
    EXPECT_EQ(bar.line(), "Wetterpult - Inactive | ASYNOP: XX");

    bar.refresh(activeInputs(), QDateTime(kDay, QTime(11, 0)));
    EXPECT_EQ(bar.caption(), "Wetterpult - Aktiv");
    EXPECT_EQ(bar.panels()[0], "ASYNOP: XX");  // not the refresh's business
    EXPECT_EQ(bar.panels()[2], "Read: 01:00:00");
}
