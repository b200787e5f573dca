// The quality gate per quantity: a value is published only when its group has arrived, the console
// does not flag it and it lies within what the console can measure; and phantom groups, whose
// values jump, wait for the next group of their kind.
#include "station/quality_gate.h"

#include <gtest/gtest.h>

#include <functional>

#include "station/group_confirmation.h"

namespace {

struct GateCase {
    Quantity quantity;
    std::function<void(WeatherRecord&, std::int32_t)> set;
    std::int32_t inside;
    std::int32_t outside;
    std::function<void(WeatherRecord&)> flag;  // the console's out-of-range flag, where it has one
};

TEST(QualityGate, EveryQuantityIsMissingBeforeItsGroupFlaggedOrOutOfRange) {
    const GateCase cases[] = {
        {Quantity::IndoorTemp, [](WeatherRecord& r, int v) { r.IndoorTemp.Current = v; }, 500, 501,
         nullptr},
        {Quantity::OutdoorTemp, [](WeatherRecord& r, int v) { r.OutdoorTemp.Current = v; }, -400,
         -401, nullptr},
        {Quantity::IndoorHum, [](WeatherRecord& r, int v) { r.IndoorHum.Current = uint8_t(v); }, 10,
         9, [](WeatherRecord& r) { r.IndoorHum.OutOfRange = true; }},
        {Quantity::OutdoorHum, [](WeatherRecord& r, int v) { r.OutdoorHum.Current = uint8_t(v); },
         97, 98, [](WeatherRecord& r) { r.OutdoorHum.OutOfRange = true; }},
        {Quantity::IndoorDew, [](WeatherRecord& r, int v) { r.IndoorDew.Current = v; }, 47, 48,
         [](WeatherRecord& r) { r.DewStatus.IndoorOutOfRange = true; }},
        {Quantity::OutdoorDew, [](WeatherRecord& r, int v) { r.OutdoorDew.Current = v; }, 12, 57,
         [](WeatherRecord& r) { r.DewStatus.OutdoorOutOfRange = true; }},
        {Quantity::PressureLocal, [](WeatherRecord& r, int v) { r.Barometer.Local = uint16_t(v); },
         795, 794, nullptr},
        {Quantity::PressureSea, [](WeatherRecord& r, int v) { r.Barometer.SeaLevel = uint16_t(v); },
         10500, 10501, nullptr},
        {Quantity::GustSpeed, [](WeatherRecord& r, int v) { r.Wind.GustSpeed = uint16_t(v); }, 560,
         561, nullptr},
        {Quantity::GustDir, [](WeatherRecord& r, int v) { r.Wind.GustDir = uint16_t(v); }, 359, 360,
         nullptr},
        {Quantity::AvgSpeed, [](WeatherRecord& r, int v) { r.Wind.AvgSpeed = uint16_t(v); }, 0, 999,
         nullptr},
        {Quantity::AvgDir, [](WeatherRecord& r, int v) { r.Wind.AvgDir = uint16_t(v); }, 0, 1516,
         nullptr},
        {Quantity::MinuteGust, [](WeatherRecord& r, int v) { r.MinuteWindMax = uint16_t(v); }, 79,
         600, nullptr},
        {Quantity::Windchill, [](WeatherRecord& r, int v) { r.Windchill.Current = v; }, -85, -86,
         nullptr},
        {Quantity::RainRate, [](WeatherRecord& r, int v) { r.Rain.Rate = uint16_t(v); }, 998, 999,
         [](WeatherRecord& r) { r.Rain.RateOutOfRange = true; }},
        {Quantity::RainTotal, [](WeatherRecord& r, int v) { r.Rain.Total = uint16_t(v); }, 9999,
         10000, nullptr},
        {Quantity::RainYesterday, [](WeatherRecord& r, int v) { r.Rain.Yesterday = uint16_t(v); },
         0, 65535, nullptr},
    };
    for (const GateCase& c : cases) {
        SCOPED_TRACE(int(c.quantity));
        StationData data;
        c.set(data.Record, c.inside);
        EXPECT_FALSE(measured(data, c.quantity)) << "before its group arrived";
        data.GroupArrivedMs[groupIndexOf(c.quantity)] = 1;
        EXPECT_EQ(measured(data, c.quantity), c.inside);
        c.set(data.Record, c.outside);
        EXPECT_FALSE(measured(data, c.quantity)) << "outside the measuring range";
        if (c.flag) {
            c.set(data.Record, c.inside);
            c.flag(data.Record);
            EXPECT_FALSE(measured(data, c.quantity)) << "flagged by the console";
        }
    }
}

TEST(QualityGate, ExtremesAndTheFiveMinuteGust) {
    StationData data;
    data.GroupArrivedMs.fill(1);
    data.Record.OutdoorTemp.Lo.Value = -401;
    data.Record.OutdoorTemp.Hi.Value = 88;
    data.Record.Wind.HiSpeed = 123;
    EXPECT_FALSE(measured(data, Quantity::OutdoorTemp, Reading::Lo));
    EXPECT_EQ(measured(data, Quantity::OutdoorTemp, Reading::Hi), 88);
    EXPECT_EQ(measured(data, Quantity::GustSpeed, Reading::Hi), 123);
    EXPECT_FALSE(measured(data, Quantity::RainTotal, Reading::Hi)) << "no such reading";
    data.WindMaxRing = {12, 79, 50, 34, 20};
    EXPECT_EQ(measuredFiveMinuteGust(data), 79);
    data.WindMaxRing[0] = 561;  // a minute no anemometer measures
    EXPECT_FALSE(measuredFiveMinuteGust(data));
}

// A record whose every group holds plausible values of a December evening.
WeatherRecord evening() {
    WeatherRecord r;
    r.Clock.Time = StationTime{10, 30, 21, 7, 12};
    r.IndoorHum.Current = 45;
    r.OutdoorHum.Current = 81;
    r.IndoorTemp.Current = 215;
    r.OutdoorTemp.Current = 53;
    r.Barometer.Local = 1008;
    r.Barometer.SeaLevel = 10132;
    r.IndoorDew.Current = 9;
    r.OutdoorDew.Current = 2;
    r.Rain.Total = 319;
    r.Wind.GustSpeed = 34;
    r.Wind.AvgSpeed = 30;
    r.Windchill.Current = 3;
    return r;
}

TEST(GroupConfirmation, AJumpWaitsForTheNextGroupOfItsKind) {
    GroupConfirmation confirmation;
    const WeatherRecord accepted = evening();
    WeatherRecord phantom = accepted;
    phantom.OutdoorTemp.Current = 400;  // 40.0 °C in December
    WeatherRecord next = accepted;
    next.OutdoorTemp.Current = 54;

    EXPECT_TRUE(confirmation.judge(1, accepted, accepted).accept);  // the first of its kind
    EXPECT_FALSE(confirmation.judge(1, accepted, phantom).accept);
    const GroupConfirmation::Verdict after = confirmation.judge(1, accepted, next);
    EXPECT_TRUE(after.accept);
    EXPECT_TRUE(after.droppedHeld);
    EXPECT_EQ(confirmation.held()[1], 1u);
    EXPECT_EQ(confirmation.dropped()[1], 1u);

    // A real change of the same size is confirmed by the group after it.
    WeatherRecord warm = accepted;
    warm.OutdoorTemp.Current = 200;
    EXPECT_FALSE(confirmation.judge(1, accepted, warm).accept);
    warm.OutdoorTemp.Current = 201;
    EXPECT_TRUE(confirmation.judge(1, accepted, warm).confirmedHeld);
}

TEST(GroupConfirmation, WhatCountsAsAJump) {
    const WeatherRecord before = evening();
    struct Change {
        const char* what;
        int group;
        std::function<void(WeatherRecord&)> change;
        bool jumps;
    };
    const Change changes[] = {
        {"rain total falls to 101 mm", 3, [](WeatherRecord& r) { r.Rain.Total = 101; }, true},
        {"rain total reset to zero", 3, [](WeatherRecord& r) { r.Rain.Total = 0; }, true},
        {"rain total rises 2 mm", 3, [](WeatherRecord& r) { r.Rain.Total = 321; }, false},
        {"rain total rises 80 mm", 3, [](WeatherRecord& r) { r.Rain.Total = 399; }, true},
        {"humidity steps 30 %", 0, [](WeatherRecord& r) { r.OutdoorHum.Current = 51; }, true},
        {"clock runs on 10 s", 0, [](WeatherRecord& r) { r.Clock.Time.Second = 20; }, false},
        {"clock runs back", 0, [](WeatherRecord& r) { r.Clock.Time.Minute = 10; }, true},
        {"clock of no date", 0, [](WeatherRecord& r) { r.Clock.Time.Month = 15; }, true},
        {"pressure falls 8 mb", 2, [](WeatherRecord& r) { r.Barometer.SeaLevel = 10052; }, true},
        {"dew point flagged", 2, [](WeatherRecord& r) { r.DewStatus.OutdoorOutOfRange = true; },
         true},
        {"gust of 15 m/s", 4, [](WeatherRecord& r) { r.Wind.GustSpeed = 150; }, false},
        {"wind direction of 1516°", 4, [](WeatherRecord& r) { r.Wind.AvgDir = 1516; }, true},
    };
    for (const Change& c : changes) {
        WeatherRecord after = before;
        c.change(after);
        EXPECT_EQ(GroupConfirmation::jumps(c.group, before, after), c.jumps) << c.what;
    }
    WeatherRecord newYear = before;
    newYear.Clock.Time = StationTime{59, 59, 23, 31, 12};
    WeatherRecord after = newYear;
    after.Clock.Time = StationTime{5, 0, 0, 1, 1};
    EXPECT_FALSE(GroupConfirmation::jumps(0, newYear, after)) << "over New Year";
}

}  // namespace
