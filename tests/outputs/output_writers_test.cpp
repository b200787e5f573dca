#include "outputs/output_writers.h"

#include <gtest/gtest.h>

#include <QFile>

#include "outputs/output_fixture.h"

namespace {
using Writers = OutputTest;

TEST_F(Writers, EveryActionWritesItsFile) {
    OutputWriters writers(context());
    writers.writeReport(1);
    writers.writeReport(2);
    writers.writeLog();
    writers.writeAprs();
    EXPECT_EQ(writers.asynopStatusText(), QStringLiteral("ASYNOP: keine Datei"));
    writers.asynopNewFile();
    writers.asynopAppendLine();
    writers.asynopEndFile();
    EXPECT_EQ(writers.asynopStatusText(), QStringLiteral("ASYNOP: XX"));
    settings.ASYNOPIntervall = true;
    clock.set(QDateTime(QDate(2026, 12, 7), QTime(19, 0)));
    writers.asynopHourlyCheck(true);

    EXPECT_TRUE(MatchesExpected(ReadBytes(path("Wetter.txt")), "read_page.txt"));
    EXPECT_TRUE(QFile::exists(path("Winterdienst.txt")));
    EXPECT_TRUE(QFile::exists(path("t07.12.2026.txt")));
    EXPECT_TRUE(MatchesExpected(ReadBytes(path("aprs.txt")), "aprs_computer.txt"));
    EXPECT_TRUE(ReadBytes(settings.ASYNOPDatei).contains("QQ9ZZ  07181 "));
    EXPECT_TRUE(notifier.messages.empty());
}
}  // namespace
