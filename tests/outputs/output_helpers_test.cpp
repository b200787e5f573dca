#include <gtest/gtest.h>

#include "outputs/log_week.h"
#include "outputs/output_fixture.h"
#include "outputs/station_date_time.h"
#include "outputs/zero_pad.h"

TEST(ZeroPad, FillsAfterTheSignAndNeverCuts) {
    EXPECT_EQ(ZeroPad(7, 3), QStringLiteral("007"));
    EXPECT_EQ(ZeroPad(-5, 3), QStringLiteral("-05"));
    EXPECT_EQ(ZeroPad(-25, 3), QStringLiteral("-25"));
    EXPECT_EQ(ZeroPad(-125, 3), QStringLiteral("-125"));
    EXPECT_EQ(ZeroPad(10132, 4), QStringLiteral("10132"));
    EXPECT_EQ(ZeroPad(0, 2), QStringLiteral("00"));
    // Rounding to the nearest integer, halves to even.
    EXPECT_EQ(ZeroPad(2.5, 3), QStringLiteral("002"));
    EXPECT_EQ(ZeroPad(3.5, 3), QStringLiteral("004"));
    EXPECT_EQ(ZeroPad(-5.08, 3), QStringLiteral("-05"));
    EXPECT_EQ(ZeroPad(17.67, 3), QStringLiteral("018"));
}

TEST(LogWeek, FourWeeksPerMonth) {
    EXPECT_EQ(LogWeek(QDate(2026, 1, 1)), 1);
    EXPECT_EQ(LogWeek(QDate(2026, 1, 6)), 1);
    EXPECT_EQ(LogWeek(QDate(2026, 1, 7)), 2);
    EXPECT_EQ(LogWeek(QDate(2026, 1, 31)), 5);
    EXPECT_EQ(LogWeek(QDate(2026, 2, 1)), 5);
    EXPECT_EQ(LogWeek(QDate(2026, 12, 7)), 46);
    EXPECT_EQ(LogWeek(QDate(2026, 12, 31)), 49);
}

TEST(StationDateTime, StationClockWithTheComputersYearOrTheComputersMoment) {
    const QDateTime now(QDate(2026, 12, 7), QTime(21, 30, 5));
    EXPECT_EQ(StationDateTime(6, 12, 18, 20, now), QDateTime(QDate(2026, 12, 6), QTime(18, 20)));
    EXPECT_EQ(StationDateTime(6, 12, 18, 20, now, 40),
              QDateTime(QDate(2026, 12, 6), QTime(18, 20, 40)));
    // Day 0 or month 0 (no time group yet), 31 November, 29 February of a common year, hour 24.
    EXPECT_EQ(StationDateTime(0, 12, 18, 20, now), now);
    EXPECT_EQ(StationDateTime(7, 0, 18, 20, now), now);
    EXPECT_EQ(StationDateTime(31, 11, 18, 20, now), now);
    EXPECT_EQ(StationDateTime(29, 2, 18, 20, now), now);
    EXPECT_EQ(StationDateTime(7, 12, 24, 0, now), now);
    EXPECT_EQ(StationDateTime(29, 2, 1, 0, QDateTime(QDate(2028, 1, 1), QTime(0, 0))),
              QDateTime(QDate(2028, 2, 29), QTime(1, 0)));
}
