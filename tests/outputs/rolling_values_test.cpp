#include "outputs/rolling_values.h"

#include <gtest/gtest.h>

TEST(WindRing, ShiftsTheMinuteMaximaAndKeepsWholeValues) {
    StationData data;
    data.WindMaxRing = {1, 2, 3, 4, 5};
    data.Record.MinuteWindMax = 300;  // 30.0 m/s does not fit a byte
    advanceWindRing(data);
    EXPECT_EQ(data.WindMaxRing, (std::array<std::uint16_t, 5>{2, 3, 4, 5, 300}));
    EXPECT_EQ(data.Record.MinuteWindMax, 0);
    advanceWindRing(data);
    EXPECT_EQ(data.WindMaxRing, (std::array<std::uint16_t, 5>{3, 4, 5, 300, 0}));
}

TEST(Rain24h, FollowsTheReferenceAndSurvivesAResetTotal) {
    StationData data;
    data.Record.Rain.Total = 120;
    updateRain24h(data, false);
    EXPECT_EQ(data.Rain24h, 120);  // no reference yet: the whole total

    updateRain24h(data, true);
    EXPECT_EQ(data.RainReference, 120);
    EXPECT_EQ(data.Rain24h, 0);
    data.Record.Rain.Total = 135;
    updateRain24h(data, false);
    EXPECT_EQ(data.Rain24h, 15);

    // The console's total was reset: the rain since the reset, not 65000-odd mm.
    data.Record.Rain.Total = 4;
    updateRain24h(data, false);
    EXPECT_EQ(data.Rain24h, 4);
    EXPECT_EQ(data.RainReference, 0);
    data.Record.Rain.Total = 130;  // rising past the old reference stays right
    updateRain24h(data, false);
    EXPECT_EQ(data.Rain24h, 130);

    data.Record.Rain.Total = 9999;
    updateRain24h(data, false);
    EXPECT_EQ(data.Rain24h, 9999);
}
