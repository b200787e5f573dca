#include "outputs/tick_plan.h"

#include <gtest/gtest.h>

namespace {
// 12:00:00 of some day, as a wall second.
constexpr qint64 kNoon = 20000LL * 86400 + 12 * 3600;
}  // namespace

TEST(TickPlan, OneSecondTickPerSecondAndOneMinuteTickPerMinute) {
    DueTicks d = dueTicks(kNoon, kNoon);  // woke early, still the same second
    EXPECT_FALSE(d.second || d.minute || d.jumped);

    d = dueTicks(kNoon, kNoon + 1);
    EXPECT_TRUE(d.second);
    EXPECT_FALSE(d.minute || d.jumped);

    d = dueTicks(kNoon + 59, kNoon + 60);
    EXPECT_TRUE(d.second && d.minute);
    EXPECT_FALSE(d.jumped);

    // Woke late across a minute boundary: one of each, not a catch-up burst.
    d = dueTicks(kNoon + 58, kNoon + 62);
    EXPECT_TRUE(d.second && d.minute);
    EXPECT_FALSE(d.jumped);
}

TEST(TickPlan, ClockJumps) {
    // Resume after two hours of suspend: one tick each, marked as a jump.
    DueTicks d = dueTicks(kNoon, kNoon + 7200);
    EXPECT_TRUE(d.second && d.minute && d.jumped);
    // A whole minute never seen is a jump too.
    EXPECT_TRUE(dueTicks(kNoon + 59, kNoon + 121).jumped);
    EXPECT_FALSE(dueTicks(kNoon + 59, kNoon + 119).jumped);

    // Set back a little: nothing until the clock passes the last second seen, so no second or
    // minute is seen twice.
    d = dueTicks(kNoon + 5, kNoon - 25);
    EXPECT_FALSE(d.second || d.minute || d.jumped);
    EXPECT_FALSE(dueTicks(kNoon + 5, kNoon + 5).second);
    EXPECT_TRUE(dueTicks(kNoon + 5, kNoon + 6).second);
    EXPECT_FALSE(dueTicks(kNoon + 5, kNoon + 6).minute);

    // Set back an hour (end of summer time, a time sync): go on from the new time at once.
    d = dueTicks(kNoon, kNoon - 3600);
    EXPECT_TRUE(d.second && d.minute && d.jumped);
}

TEST(TickPlan, WallSecondsAndArming) {
    const QDateTime t(QDate(2025, 6, 16), QTime(10, 0, 0, 250));
    EXPECT_EQ(wallSecond(t.addSecs(61)) - wallSecond(t), 61);
    EXPECT_EQ(wallMinute(wallSecond(t)) * 60 % 3600, 0);
    EXPECT_EQ(msUntilNextSecond(t), 750 + kTickMarginMs);
    EXPECT_EQ(msUntilNextSecond(QDateTime(t.date(), QTime(10, 0))), 1000 + kTickMarginMs);
    EXPECT_EQ(wallMinute(-1), -1);
    EXPECT_EQ(wallMinute(-60), -1);
    EXPECT_EQ(wallMinute(-61), -2);
}
