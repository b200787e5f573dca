// The simulator's sending schedule, its faults, and whether its weather stays believable over days
// (what the console shows must hang together: hi >= now >= lo, totals never shrink, ...).
#include <gtest/gtest.h>

#include <map>

#include "sim_stream.h"
#include "station/group_table.h"
#include "station/serial_road.h"
#include "station_model.h"

namespace {

const QDateTime kStart(QDate(2024, 3, 10), QTime(9, 0));

struct RoadCount {
    StationData data;
    SerialRoad road{data};
    std::map<std::uint8_t, int> ok, bad;
    RoadCount() {
        road.onChecked = [this](const GroupCheckResult& r) { ++(r.ok ? ok : bad)[r.groupByte]; };
    }
};

}  // namespace

TEST(SimStreamTest, SendsLikeTheConsole) {
    std::map<std::uint8_t, int> perMinute;
    for (int s = 0; s < 60; ++s)
        for (std::uint8_t g : SimStream::groupsDueAt(s))
            ++perMinute[g];
    EXPECT_EQ(perMinute[0x8F], 6);
    EXPECT_EQ(perMinute[0x9F], 6);
    EXPECT_EQ(perMinute[0xAF], 6);
    EXPECT_EQ(perMinute[0xBF], 6);
    EXPECT_EQ(perMinute[0xCF], 12);

    // The first seven seconds bring every kind once; all of them pass the group check.
    StationModel model(5, kStart);
    SimStream stream(model, 5);
    RoadCount count;
    for (int s = 0; s < 7; ++s)
        for (const QByteArray& group : stream.nextSecond())
            count.road.feed(group);
    EXPECT_TRUE(count.data.allGroupsSeen());
    EXPECT_TRUE(count.bad.empty());
    // The clock moves with the schedule.
    EXPECT_EQ(model.now().secsTo(QDateTime(kStart.date(), kStart.time(), Qt::UTC)), -7);
}

TEST(SimStreamTest, FaultsDoWhatTheySay) {
    {
        StationModel model(9, kStart);
        SimStream stream(model, 9, SimFaults{1.0, 0, 0});
        RoadCount count;
        for (int s = 0; s < 60; ++s)
            for (const QByteArray& group : stream.nextSecond())
                count.road.feed(group);
        EXPECT_TRUE(count.ok.empty());
        EXPECT_EQ(count.bad[0x8F], 6);
        EXPECT_EQ(count.bad[0xCF], 12);
        EXPECT_FALSE(count.data.GroupSeen[0]);
    }
    {
        // Stray bytes never hold a group byte, so every group is still found.
        StationModel model(9, kStart);
        SimStream stream(model, 9, SimFaults{0, 1.0, 0});
        RoadCount count;
        for (int s = 0; s < 60; ++s) {
            for (const QByteArray& group : stream.nextSecond()) {
                EXPECT_EQ(groupFor(std::uint8_t(group[0])), nullptr);  // stray bytes first
                count.road.feed(group);
            }
        }
        EXPECT_EQ(count.ok[0x8F], 6);
        EXPECT_EQ(count.ok[0xCF], 12);
    }
    {
        // Cut groups are shorter than their size on the wire.
        StationModel model(9, kStart);
        SimStream stream(model, 9, SimFaults{0, 0, 1.0});
        for (int s = 0; s < 20; ++s)
            for (const QByteArray& group : stream.nextSecond()) {
                const std::uint8_t g = std::uint8_t(group[0]);
                EXPECT_LT(group.size(), g == 0xBF ? 14 : g == 0xCF ? 27 : 31);
            }
    }
}

TEST(SimStreamTest, SameSeedSameWeather) {
    StationModel a(77, kStart), b(77, kStart), c(78, kStart);
    SimStream sa(a, 77), sb(b, 77), sc(c, 78);
    QByteArray bytesA, bytesB, bytesC;
    for (int s = 0; s < 100; ++s) {
        for (const QByteArray& g : sa.nextSecond())
            bytesA += g;
        for (const QByteArray& g : sb.nextSecond())
            bytesB += g;
        for (const QByteArray& g : sc.nextSecond())
            bytesC += g;
    }
    EXPECT_EQ(bytesA, bytesB);
    EXPECT_NE(bytesA, bytesC);
}

TEST(StationModelTest, WeatherHangsTogetherOverDays) {
    for (const QDateTime& start : {QDateTime(QDate(2024, 1, 10), QTime(0, 0)),
                                   QDateTime(QDate(2024, 7, 10), QTime(12, 0))}) {
        StationModel model(123, start);
        int lastTotal = model.record().Rain.Total;
        int lastSea = model.record().Barometer.SeaLevel;
        bool trendsSeen[5] = {};
        int maxPressureStep = 0;
        double tempSum = 0;
        const int steps = 5 * 24 * 60;  // five days, one minute apart
        for (int i = 0; i < steps; ++i) {
            model.advance(60);
            const WeatherRecord& r = model.record();
            for (const TempReading* t : {&r.OutdoorTemp, &r.IndoorTemp}) {
                EXPECT_LE(t->Lo.Value, t->Current);
                EXPECT_GE(t->Hi.Value, t->Current);
            }
            EXPECT_GE(r.OutdoorHum.Current, 10);
            EXPECT_LE(r.OutdoorHum.Current, 97);
            EXPECT_LE(r.OutdoorHum.Lo.Value, r.OutdoorHum.Current);
            EXPECT_GE(r.OutdoorHum.Hi.Value, r.OutdoorHum.Current);
            EXPECT_LE(r.OutdoorDew.Current * 10, std::max(0, r.OutdoorTemp.Current + 5));
            EXPECT_LE(r.Windchill.Current * 10, r.OutdoorTemp.Current + 5);
            EXPECT_LE(r.Windchill.Lo, r.Windchill.Current);
            EXPECT_GE(r.Wind.HiSpeed, r.Wind.GustSpeed);
            EXPECT_LT(r.Wind.GustDir, 360);
            EXPECT_GE(r.Rain.Total, lastTotal);
            lastTotal = r.Rain.Total;
            maxPressureStep = std::max(maxPressureStep, std::abs(r.Barometer.SeaLevel - lastSea));
            lastSea = r.Barometer.SeaLevel;
            if (r.Barometer.Trend < 5)
                trendsSeen[r.Barometer.Trend] = true;
            tempSum += r.OutdoorTemp.Current / 10.0;
        }
        // A barometer moves by tenths of a millibar per minute, not by millibars.
        EXPECT_LE(maxPressureStep, 5);
        EXPECT_TRUE(trendsSeen[1] || trendsSeen[4]);
        EXPECT_TRUE(trendsSeen[2]);
        const double mean = tempSum / steps;
        if (start.date().month() == 1)
            EXPECT_LT(mean, 8);
        else
            EXPECT_GT(mean, 12);
    }
}
