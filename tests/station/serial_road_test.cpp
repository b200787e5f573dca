#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <algorithm>

#include "station/serial_road.h"
#include "test_groups.h"

namespace {

struct Check {
    int row;
    QString text;
    int bodySize;
};

// A road over its own station data that records every check and decode.
struct RoadProbe {
    RoadProbe() : road(data) {
        road.onChecked = [this](const GroupCheckResult& r) {
            checks.append({r.row, QString::fromLatin1(r.rowText()), int(r.body.size())});
        };
        road.onDecoded = [this](std::uint8_t g) {
            decoded.append(g);
            // The display refresh runs after the record holds the group.
            if (g == 0xBF)
                totalSeenAtRefresh = data.Record.Rain.Total;
        };
    }
    StationData data;
    SerialRoad road;
    QList<Check> checks;
    QList<std::uint8_t> decoded;
    int totalSeenAtRefresh = -1;
};

}  // namespace

TEST(SerialRoad, GoodGroupIsDecodedBadGroupOnlyReported) {
    WeatherRecord values = testing_groups::sampleRecord();
    const QByteArray body = testing_groups::bodyBF(values);

    RoadProbe p;
    p.road.feed(testing_groups::frame(0xBF, body));
    ASSERT_EQ(p.checks.size(), 1);
    EXPECT_EQ(p.checks[0].row, 4);
    EXPECT_EQ(p.checks[0].text, "OK!");
    EXPECT_EQ(p.checks[0].bodySize, 13);
    EXPECT_EQ(p.decoded, QList<std::uint8_t>{0xBF});
    EXPECT_EQ(p.data.Record.Rain.Total, 1234);
    EXPECT_EQ(p.totalSeenAtRefresh, 1234);
    EXPECT_TRUE(p.data.GroupSeen[3]);

    values.Rain.Total = 99;
    p.road.feed(testing_groups::frameWithBadChecksum(0xBF, testing_groups::bodyBF(values)));
    ASSERT_EQ(p.checks.size(), 2);
    EXPECT_EQ(p.checks[1].row, 4);
    EXPECT_EQ(p.checks[1].text, "Error!");
    EXPECT_EQ(p.decoded.size(), 1);
    EXPECT_EQ(p.data.Record.Rain.Total, 1234);

    // A bad group of a kind not seen before leaves GroupSeen alone.
    p.road.feed(testing_groups::frameWithBadChecksum(0xAF, testing_groups::bodyAF(values)));
    EXPECT_FALSE(p.data.GroupSeen[2]);
    EXPECT_EQ(p.data.Record.Barometer.Local, 0);
}

TEST(SerialRoad, ChecksumIsTheEightBitSumOfGroupByteAndBody) {
    const QByteArray body = QByteArray::fromHex("0102030405060708090a0b0c");
    // 0xBF + 1 + ... + 12 = 191 + 78 = 269 = 0x10D: only the low byte counts.
    EXPECT_TRUE(SerialRoad::checksumMatches(0xBF, body + QByteArray::fromHex("0d")));
    EXPECT_FALSE(SerialRoad::checksumMatches(0xBF, body + QByteArray::fromHex("0e")));
    EXPECT_FALSE(SerialRoad::checksumMatches(0xAF, body + QByteArray::fromHex("0d")));
    EXPECT_FALSE(SerialRoad::checksumMatches(0xBF, QByteArrayView()));
}

TEST(SerialRoad, GroupSeenFillsPerKindInRowOrder) {
    const WeatherRecord values = testing_groups::sampleRecord();
    RoadProbe p;
    for (std::uint8_t g : {0x8F, 0x9F, 0xAF, 0xBF})
        p.road.feed(testing_groups::group(g, values));
    EXPECT_EQ(p.data.GroupSeen, (std::array<bool, 5>{true, true, true, true, false}));
    EXPECT_FALSE(p.data.allGroupsSeen());
    p.road.feed(testing_groups::group(0xCF, values));
    EXPECT_TRUE(p.data.allGroupsSeen());
    QList<int> rows;
    for (const Check& c : p.checks)
        rows.append(c.row);
    EXPECT_EQ(rows, (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(p.data.Record.Wind.GustSpeed, 156);
    EXPECT_EQ(p.data.Record.MinuteWindMax, 156);
}

TEST(SerialRoad, FirstGoodRainGroupIsTheReferenceOfTheDaysRain) {
    WeatherRecord values = testing_groups::sampleRecord();
    RoadProbe p;
    values.Rain.Total = 143;
    p.road.feed(testing_groups::frameWithBadChecksum(0xBF, testing_groups::bodyBF(values)));
    EXPECT_FALSE(p.data.RainReferenceTaken);  // a bad group is no reference
    p.road.feed(testing_groups::group(0xBF, values));
    EXPECT_TRUE(p.data.RainReferenceTaken);
    EXPECT_EQ(p.data.RainReference, 143);
    values.Rain.Total = 150;
    p.road.feed(testing_groups::group(0xBF, values));
    EXPECT_EQ(p.data.RainReference, 143);  // taken once; the day's minute renews it
}

TEST(SerialRoad, PhantomGroupsNeverReachTheRecord) {
    // 40.0 °C in January between two readings of 5.3 °C, and a rain total of 101 mm between two
    // of 319 mm: both checksums match, so only their jump gives them away.
    using testing_groups::group;
    WeatherRecord real = testing_groups::sampleRecord();
    real.OutdoorTemp.Current = 53;
    real.Rain.Total = 319;
    WeatherRecord phantom = real;
    phantom.OutdoorTemp.Current = 400;
    phantom.Rain.Total = 101;

    RoadProbe p;
    int highestSeen = 0;
    int lowestTotal = 9999;
    p.road.onDecoded = [&](std::uint8_t g) {
        if (g == 0x9F)
            highestSeen = std::max(highestSeen, p.data.Record.OutdoorTemp.Current);
        if (g == 0xBF)
            lowestTotal = std::min<int>(lowestTotal, p.data.Record.Rain.Total);
    };
    p.road.feed(group(0x9F, real) + group(0xBF, real));
    p.road.feed(group(0x9F, phantom) + group(0xBF, phantom));
    p.road.feed(group(0x9F, real) + group(0xBF, real));
    EXPECT_EQ(highestSeen, 53);
    EXPECT_EQ(lowestTotal, 319);
    EXPECT_EQ(p.checks[2].text, QStringLiteral("Gehalten!"));
    EXPECT_EQ(p.road.confirmation().dropped()[1], 1u);
    EXPECT_EQ(p.road.confirmation().dropped()[3], 1u);

    // A reset of the total is believed once the next rain group confirms it.
    WeatherRecord reset = real;
    reset.Rain.Total = 0;
    p.road.feed(group(0xBF, reset));
    EXPECT_EQ(p.data.Record.Rain.Total, 319);
    p.road.feed(group(0xBF, reset));
    EXPECT_EQ(p.data.Record.Rain.Total, 0);
}
