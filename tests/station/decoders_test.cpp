#include <gtest/gtest.h>

#include <QByteArray>
#include <initializer_list>
#include <utility>
#include <vector>

#include "station/group_table.h"
#include "station/record_json.h"
#include "test_groups.h"

namespace {

// A full body of the group's length (zero bytes, checksum included) with some bytes set.
std::vector<std::uint8_t> body(std::size_t size,
                               std::initializer_list<std::pair<std::size_t, std::uint8_t>> set) {
    std::vector<std::uint8_t> b(size, 0);
    for (const auto& [k, v] : set)
        b.at(k) = v;
    return b;
}

WeatherRecord decoded8F(std::initializer_list<std::pair<std::size_t, std::uint8_t>> set) {
    WeatherRecord r;
    DecodeGroup8F(body(34, set), r);
    return r;
}
WeatherRecord decoded9F(std::initializer_list<std::pair<std::size_t, std::uint8_t>> set) {
    WeatherRecord r;
    DecodeGroup9F(body(33, set), r);
    return r;
}
WeatherRecord decodedAF(std::initializer_list<std::pair<std::size_t, std::uint8_t>> set) {
    WeatherRecord r;
    DecodeGroupAF(body(30, set), r);
    return r;
}
WeatherRecord decodedBF(std::initializer_list<std::pair<std::size_t, std::uint8_t>> set) {
    WeatherRecord r;
    DecodeGroupBF(body(13, set), r);
    return r;
}
WeatherRecord decodedCF(std::initializer_list<std::pair<std::size_t, std::uint8_t>> set) {
    WeatherRecord r;
    DecodeGroupCF(body(26, set), r);
    return r;
}

// Copies the members one group kind writes.
void copyGroupMembers(std::uint8_t groupByte, const WeatherRecord& from, WeatherRecord& to) {
    switch (groupByte) {
        case 0x8F:
            to.Clock = from.Clock;
            to.IndoorHum = from.IndoorHum;
            to.OutdoorHum = from.OutdoorHum;
            break;
        case 0x9F:
            to.IndoorTemp = from.IndoorTemp;
            to.OutdoorTemp = from.OutdoorTemp;
            to.IndoorTempBit6Clear = from.IndoorTempBit6Clear;
            break;
        case 0xAF:
            to.Barometer = from.Barometer;
            to.IndoorDew = from.IndoorDew;
            to.OutdoorDew = from.OutdoorDew;
            to.DewStatus = from.DewStatus;
            break;
        case 0xBF:
            to.Rain = from.Rain;
            break;
        case 0xCF:
            to.Wind = from.Wind;
            to.Windchill = from.Windchill;
            to.Console = from.Console;
            to.MinuteWindMax = from.MinuteWindMax;
            to.MinuteWindMaxDir = from.MinuteWindMaxDir;
            break;
    }
}

GroupBody bodyOf(const QByteArray& group) {
    return GroupBody(reinterpret_cast<const std::uint8_t*>(group.constData()) + 1,
                     static_cast<std::size_t>(group.size() - 1));
}

}  // namespace

TEST(DecodeGroup8F, ClockTimeAlarmAndFlags) {
    const WeatherRecord r = decoded8F({{0, 0x45},
                                       {1, 0x30},
                                       {2, 0x12},
                                       {3, 0x24},
                                       {4, 0x36},
                                       {5, 0x15},
                                       {6, 0x07},
                                       {31, 0xD8},
                                       {32, 0xF8}});
    EXPECT_EQ(r.Clock.Time.Hour, 12);
    EXPECT_EQ(r.Clock.Time.Minute, 30);
    EXPECT_EQ(r.Clock.Time.Second, 45);
    EXPECT_EQ(r.Clock.Time.Day, 24);
    EXPECT_EQ(r.Clock.Time.Month, 6);
    EXPECT_TRUE(r.Clock.MonthBit4);
    EXPECT_TRUE(r.Clock.MonthBit5);
    EXPECT_EQ(r.Clock.AlarmMinute, 15);
    EXPECT_EQ(r.Clock.AlarmHour, 7);
    EXPECT_TRUE(r.Clock.AlarmSet);
    EXPECT_TRUE(r.IndoorHum.OutOfRange);
    EXPECT_TRUE(r.IndoorHum.Hi.Flag);
    EXPECT_TRUE(r.OutdoorHum.OutOfRange);
    EXPECT_TRUE(r.OutdoorHum.Hi.Flag);
    EXPECT_TRUE(r.IndoorHum.AlarmLoSet && r.IndoorHum.AlarmHiSet);
    EXPECT_TRUE(r.OutdoorHum.AlarmLoSet && r.OutdoorHum.AlarmHiSet);

    // Bits 5 and 2..0 of byte 31 and 2..0 of byte 32 mean nothing.
    const WeatherRecord quiet = decoded8F({{31, 0x27}, {32, 0x07}});
    EXPECT_FALSE(quiet.IndoorHum.OutOfRange || quiet.IndoorHum.Hi.Flag ||
                 quiet.OutdoorHum.OutOfRange || quiet.OutdoorHum.Hi.Flag);
    EXPECT_FALSE(quiet.IndoorHum.AlarmLoSet || quiet.IndoorHum.AlarmHiSet ||
                 quiet.OutdoorHum.AlarmLoSet || quiet.OutdoorHum.AlarmHiSet ||
                 quiet.Clock.AlarmSet);
}

TEST(DecodeGroup8F, HumidityExtremesStraddleNibbles) {
    // Hi month in the low nibble of byte 12, lo value from 12.high + 10 x 13.low, and so on.
    const WeatherRecord r = decoded8F({{7, 0x48},
                                       {8, 0x61},
                                       {9, 0x10},
                                       {10, 0x03},
                                       {11, 0x22},
                                       {12, 0x38},
                                       {13, 0x24},
                                       {14, 0x35},
                                       {15, 0x21},
                                       {16, 0x72},
                                       {17, 0x70},
                                       {18, 0x30},
                                       {24, 0x09},
                                       {25, 0x05},
                                       {28, 0xB0}});
    EXPECT_EQ(r.IndoorHum.Current, 48);
    EXPECT_EQ(r.IndoorHum.Hi.Value, 61);
    EXPECT_EQ(r.IndoorHum.Hi.Time.Minute, 10);
    EXPECT_EQ(r.IndoorHum.Hi.Time.Hour, 3);
    EXPECT_EQ(r.IndoorHum.Hi.Time.Day, 22);
    EXPECT_EQ(r.IndoorHum.Hi.Time.Month, 8);
    EXPECT_EQ(r.IndoorHum.Lo.Value, 3 + 10 * 4);
    EXPECT_EQ(r.IndoorHum.Lo.Time.Minute, 2 + 10 * 5);
    EXPECT_EQ(r.IndoorHum.Lo.Time.Hour, 3 + 10 * 1);
    EXPECT_EQ(r.IndoorHum.Lo.Time.Day, 2 + 10 * 2);
    EXPECT_EQ(r.IndoorHum.Lo.Time.Month, 7);
    EXPECT_EQ(r.IndoorHum.AlarmHi, 70);
    EXPECT_EQ(r.IndoorHum.AlarmLo, 30);
    EXPECT_EQ(r.OutdoorHum.Hi.Time.Month, 9);
    EXPECT_EQ(r.OutdoorHum.Lo.Value, 50);
    EXPECT_EQ(r.OutdoorHum.Lo.Time.Month, 11);
}

TEST(DecodeGroup8F, OddNibblesAreCutToEightBitFields) {
    const WeatherRecord r =
        decoded8F({{0, 0xAA}, {1, 0xA5}, {7, 0xFF}, {8, 0xFF}, {12, 0xF0}, {13, 0x0F}});
    EXPECT_EQ(r.Clock.Time.Second, 242);  // 1010 in 8 bits
    EXPECT_EQ(r.Clock.Time.Minute, 105);  // fits
    EXPECT_EQ(r.IndoorHum.Current, 1515 % 256);
    EXPECT_EQ(r.IndoorHum.Hi.Value, 1515);  // 32-bit field keeps it whole
    EXPECT_EQ(r.IndoorHum.Lo.Value, 15 + 150);
}

TEST(DecodeGroup8F, LowFlagsAreAlwaysCleared) {
    WeatherRecord r;
    r.IndoorHum.Lo.Flag = true;
    r.OutdoorHum.Lo.Flag = true;
    DecodeGroup8F(body(34, {{31, 0xFF}, {32, 0xFF}}), r);
    EXPECT_FALSE(r.IndoorHum.Lo.Flag);
    EXPECT_FALSE(r.OutdoorHum.Lo.Flag);
}

TEST(DecodeGroup9F, CurrentTemperatureSignAndHundreds) {
    WeatherRecord r = decoded9F({{0, 0x35}, {1, 0x0A}});
    EXPECT_EQ(r.IndoorTemp.Current, -235);
    EXPECT_FALSE(r.IndoorTemp.Positive);
    r = decoded9F({{0, 0x35}, {1, 0x02}});
    EXPECT_EQ(r.IndoorTemp.Current, 235);
    EXPECT_TRUE(r.IndoorTemp.Positive);
    r = decoded9F({{0, 0x05}, {1, 0x08}});
    EXPECT_EQ(r.IndoorTemp.Current, -5);
    EXPECT_FALSE(r.IndoorTemp.Positive);
    r = decoded9F({});
    EXPECT_EQ(r.IndoorTemp.Current, 0);
    EXPECT_TRUE(r.IndoorTemp.Positive);
    // Outdoor: the same layout fifteen bytes on.
    r = decoded9F({{15, 0x57}, {16, 0x08}});
    EXPECT_EQ(r.OutdoorTemp.Current, -57);
    EXPECT_FALSE(r.OutdoorTemp.Positive);
    // Odd nibbles are kept whole in the 32-bit field: 100 x 7 + 10 x 10 + 11.
    r = decoded9F({{0, 0xAB}, {1, 0x07}});
    EXPECT_EQ(r.IndoorTemp.Current, 811);
}

TEST(DecodeGroup9F, ExtremesTimesAndAlarmLimits) {
    const WeatherRecord r = decoded9F({{1, 0x50},
                                       {2, 0x92},
                                       {3, 0x12},
                                       {4, 0x15},
                                       {5, 0x23},
                                       {6, 0x76},
                                       {7, 0x24},
                                       {8, 0x30},
                                       {9, 0x04},
                                       {10, 0x24},
                                       {11, 0x56},
                                       {12, 0x19},
                                       {13, 0x48},
                                       {14, 0x41}});
    EXPECT_EQ(r.IndoorTemp.Hi.Value, -(100 * 1 + 10 * 2 + 5));
    EXPECT_FALSE(r.IndoorTemp.Hi.Flag);
    EXPECT_EQ(r.IndoorTemp.Hi.Time.Minute, 12);
    EXPECT_EQ(r.IndoorTemp.Hi.Time.Hour, 15);
    EXPECT_EQ(r.IndoorTemp.Hi.Time.Day, 23);
    EXPECT_EQ(r.IndoorTemp.Hi.Time.Month, 6);
    EXPECT_EQ(r.IndoorTemp.Lo.Value, 200 + 40 + 7);
    EXPECT_TRUE(r.IndoorTemp.Lo.Flag);
    EXPECT_EQ(r.IndoorTemp.Lo.Time.Minute, 30);
    EXPECT_EQ(r.IndoorTemp.Lo.Time.Hour, 4);
    EXPECT_EQ(r.IndoorTemp.Lo.Time.Day, 24);
    EXPECT_EQ(r.IndoorTemp.Lo.Time.Month, 6);
    EXPECT_EQ(r.IndoorTemp.AlarmHi, 5 + 90 + 100);
    EXPECT_EQ(r.IndoorTemp.AlarmLo, 8 + 40 + 100);
    EXPECT_FALSE(r.IndoorTempBit6Clear);
    EXPECT_TRUE(decoded9F({{14, 0xBF}}).IndoorTempBit6Clear);
}

TEST(DecodeGroupAF, BarometerTrendForecastAndAlarm) {
    WeatherRecord r =
        decodedAF({{0, 0x13}, {1, 0x10}, {2, 0x32}, {3, 0x01}, {4, 0x01}, {5, 0xC2}, {28, 0x83}});
    EXPECT_EQ(r.Barometer.Local, 1013);
    EXPECT_EQ(r.Barometer.SeaLevel, 10132);
    EXPECT_EQ(r.Barometer.Trend, 4);
    EXPECT_EQ(r.Barometer.Forecast, 2);
    EXPECT_EQ(r.Barometer.Alarm, 4);
    EXPECT_TRUE(r.Barometer.AlarmSet);
    // Five digits of 9 with a top digit of 15 exceed 16 bits: 159999 wraps to 28927.
    r = decodedAF({{2, 0x99}, {3, 0x99}, {4, 0x0F}});
    EXPECT_EQ(r.Barometer.SeaLevel, 159999 % 65536);
    // Unit code: the top one or two bits of the nibble are dropped.
    EXPECT_EQ(decodedAF({{4, 0xC0}}).Barometer.UnitCode, 4);
    EXPECT_EQ(decodedAF({{4, 0x60}}).Barometer.UnitCode, 2);
    EXPECT_EQ(decodedAF({{4, 0x30}}).Barometer.UnitCode, 3);
    EXPECT_EQ(decodedAF({{5, 0x70}}).Barometer.Trend, 7);
    EXPECT_EQ(decodedAF({{5, 0x80}}).Barometer.Trend, 0);
    EXPECT_EQ(decodedAF({{28, 0x0F}}).Barometer.Alarm, 16);
}

TEST(DecodeGroupAF, DewPointsAndTheirStatus) {
    const WeatherRecord r = decodedAF({{6, 0x11},
                                       {7, 0x14},
                                       {8, 0x20},
                                       {9, 0x09},
                                       {10, 0x23},
                                       {11, 0x76},
                                       {12, 0x01},
                                       {13, 0x21},
                                       {14, 0x20},
                                       {15, 0x62},
                                       {16, 0x4F},
                                       {17, 0x03},
                                       {26, 0x50},
                                       {27, 0xD2},
                                       {28, 0x60}});
    EXPECT_EQ(r.IndoorDew.Current, 11);
    EXPECT_EQ(r.IndoorDew.Hi.Value, 14);
    EXPECT_EQ(r.IndoorDew.Hi.Time.Minute, 20);
    EXPECT_EQ(r.IndoorDew.Hi.Time.Hour, 9);
    EXPECT_EQ(r.IndoorDew.Hi.Time.Day, 23);
    EXPECT_EQ(r.IndoorDew.Hi.Time.Month, 6);
    EXPECT_EQ(r.IndoorDew.Lo.Value, 7 + 10 * 1);
    EXPECT_EQ(r.IndoorDew.Lo.Time.Minute, 0 + 10 * 1);
    EXPECT_EQ(r.IndoorDew.Lo.Time.Hour, 2 + 10 * 0);
    EXPECT_EQ(r.IndoorDew.Lo.Time.Day, 2 + 10 * 2);
    EXPECT_EQ(r.IndoorDew.Lo.Time.Month, 6);
    EXPECT_EQ(r.IndoorDew.AlarmHi, 16);
    EXPECT_EQ(r.OutdoorDew.AlarmHi, 5);
    EXPECT_EQ(r.OutdoorDew.Current, 3);
    EXPECT_EQ(r.OutdoorDew.Lo.Time.Month, 5);
    EXPECT_TRUE(r.DewStatus.Bit7);
    EXPECT_TRUE(r.DewStatus.IndoorOutOfRange);
    EXPECT_TRUE(r.DewStatus.Bit4);
    EXPECT_TRUE(r.DewStatus.OutdoorOutOfRange);
    EXPECT_TRUE(r.OutdoorDew.AlarmHiSet);
    EXPECT_TRUE(r.IndoorDew.AlarmHiSet);
    EXPECT_FALSE(r.Barometer.AlarmSet);
}

TEST(DecodeGroupAF, DewFieldsTheGroupDoesNotCarryStayZero) {
    WeatherRecord r;
    r.IndoorDew.AlarmLoSet = true;
    r.OutdoorDew.AlarmLoSet = true;
    std::vector<std::uint8_t> all(30, 0xFF);
    for (int i = 0; i < 3; ++i)
        DecodeGroupAF(all, r);
    for (const TempReading* d : {&r.IndoorDew, &r.OutdoorDew}) {
        EXPECT_FALSE(d->AlarmLoSet);
        EXPECT_EQ(d->AlarmLo, 0);
        EXPECT_FALSE(d->Lo.Flag);
        EXPECT_FALSE(d->Hi.Flag);
        EXPECT_FALSE(d->Positive);
    }
}

TEST(DecodeGroupBF, RainAmountsTimeAndAlarm) {
    WeatherRecord r = decodedBF({{0, 0x12},
                                 {1, 0x03},
                                 {2, 0x37},
                                 {3, 0x01},
                                 {4, 0x34},
                                 {5, 0x12},
                                 {6, 0x00},
                                 {7, 0x08},
                                 {8, 0x01},
                                 {9, 0x25},
                                 {10, 0x50},
                                 {11, 0x92}});
    EXPECT_EQ(r.Rain.Rate, 312);
    EXPECT_EQ(r.Rain.Yesterday, 137);
    EXPECT_EQ(r.Rain.Total, 1234);
    EXPECT_EQ(r.Rain.TotalSince.Minute, 0);
    EXPECT_EQ(r.Rain.TotalSince.Hour, 8);
    EXPECT_EQ(r.Rain.TotalSince.Day, 1);
    EXPECT_EQ(r.Rain.TotalSince.Month, 5);
    EXPECT_TRUE(r.Rain.Bit5);
    EXPECT_EQ(r.Rain.Alarm, 250);
    EXPECT_TRUE(r.Rain.RateOutOfRange);
    EXPECT_TRUE(r.Rain.AlarmSet);
    // Odd nibbles: 1515 + 100 x 1515 does not fit 16 bits.
    r = decodedBF({{2, 0xFF}, {3, 0xFF}, {11, 0x6F}});
    EXPECT_EQ(r.Rain.Yesterday, (1515 + 151500) % 65536);
    EXPECT_EQ(r.Rain.Alarm, 1500);
    EXPECT_FALSE(r.Rain.RateOutOfRange);
    EXPECT_FALSE(r.Rain.AlarmSet);
}

TEST(DecodeGroupCF, WindSpeedsDirectionsAndAlarm) {
    const WeatherRecord r = decodedCF({{0, 0x56},
                                       {1, 0x71},
                                       {2, 0x22},
                                       {3, 0x84},
                                       {4, 0x50},
                                       {5, 0x22},
                                       {6, 0x12},
                                       {7, 0x03},
                                       {8, 0x27},
                                       {9, 0x41},
                                       {10, 0x16},
                                       {11, 0x20},
                                       {12, 0x56},
                                       {13, 0x14},
                                       {14, 0xD0},
                                       {24, 0xE4}});
    EXPECT_EQ(r.Wind.GustSpeed, 156);
    EXPECT_EQ(r.Wind.GustDir, 7 + 220);
    EXPECT_EQ(r.Wind.AvgSpeed, 84);
    EXPECT_EQ(r.Wind.AvgDir, 225);
    EXPECT_EQ(r.Wind.HiSpeed, 312);
    EXPECT_EQ(r.Wind.HiDir, 270);
    EXPECT_EQ(r.Wind.HiTime.Minute, 41);
    EXPECT_EQ(r.Wind.HiTime.Hour, 16);
    EXPECT_EQ(r.Wind.HiTime.Day, 20);
    EXPECT_EQ(r.Wind.HiTime.Month, 6);
    EXPECT_EQ(r.Wind.Alarm, 5 + 40 + 100);
    EXPECT_EQ(r.Wind.UnitCode, 5);  // 13 with its top bit dropped
    EXPECT_TRUE(r.Wind.GustFlag && r.Wind.AvgFlag && r.Wind.HiFlag && r.Wind.AlarmSet);
    EXPECT_FALSE(r.Windchill.AlarmSet);
    // The wind alarm is kept in 8 bits: 15 + 150 + 100 = 265 becomes 9.
    EXPECT_EQ(decodedCF({{12, 0xF0}, {13, 0x1F}}).Wind.Alarm, 9);
}

TEST(DecodeGroupCF, WindchillAndConsole) {
    WeatherRecord r = decodedCF({{15, 0x07},
                                 {16, 0x15},
                                 {17, 0x20},
                                 {18, 0x06},
                                 {19, 0x19},
                                 {20, 0x36},
                                 {21, 0x99},
                                 {22, 0xD8},
                                 {23, 0xA0},
                                 {24, 0x02}});
    EXPECT_EQ(r.Windchill.Current, -7);
    EXPECT_EQ(r.Windchill.Lo, -15);
    EXPECT_EQ(r.Windchill.LoTime.Minute, 20);
    EXPECT_EQ(r.Windchill.LoTime.Hour, 6);
    EXPECT_EQ(r.Windchill.LoTime.Day, 19);
    EXPECT_EQ(r.Windchill.LoTime.Month, 6);
    EXPECT_EQ(r.Windchill.Alarm, -199);
    EXPECT_TRUE(r.Windchill.AlarmSet);
    EXPECT_TRUE(r.Console.PowerDC);
    EXPECT_TRUE(r.Console.BatteryLow);
    EXPECT_EQ(r.Console.DisplaySection, 2);
    r = decodedCF({{15, 0x07}, {16, 0x15}, {20, 0x06}, {21, 0x05}, {22, 0x00}, {23, 0x70}});
    EXPECT_EQ(r.Windchill.Current, 7);
    EXPECT_EQ(r.Windchill.Lo, 15);
    EXPECT_EQ(r.Windchill.Alarm, 5);
    EXPECT_FALSE(r.Console.PowerDC || r.Console.BatteryLow);
    EXPECT_EQ(r.Console.DisplaySection, 7);
}

TEST(DecodeGroupCF, MinuteMaximumTakesOnlyAStrictlyHigherGust) {
    WeatherRecord r;
    DecodeGroupCF(body(26, {{0, 0x23}, {1, 0x11}, {2, 0x09}}), r);  // 12.3 m/s from 91°
    EXPECT_EQ(r.MinuteWindMax, 123);
    EXPECT_EQ(r.MinuteWindMaxDir, 91);
    DecodeGroupCF(body(26, {{0, 0x80}, {1, 0x00}, {2, 0x27}}), r);  // 8.0 m/s from 270°
    EXPECT_EQ(r.MinuteWindMax, 123);
    EXPECT_EQ(r.MinuteWindMaxDir, 91);
    DecodeGroupCF(body(26, {{0, 0x23}, {1, 0x51}, {2, 0x18}}), r);  // equal speed, 185°
    EXPECT_EQ(r.MinuteWindMax, 123);
    EXPECT_EQ(r.MinuteWindMaxDir, 91);
    DecodeGroupCF(body(26, {{0, 0x24}, {1, 0x51}, {2, 0x18}}), r);
    EXPECT_EQ(r.MinuteWindMax, 124);
    EXPECT_EQ(r.MinuteWindMaxDir, 185);
    // Compared unsigned: a maximum above 32767 is not beaten by an ordinary gust.
    r.MinuteWindMax = 40000;
    DecodeGroupCF(body(26, {{0, 0x56}, {1, 0x01}}), r);
    EXPECT_EQ(r.MinuteWindMax, 40000);
}

TEST(Decoders, RoundTripEveryFieldOfEveryGroup) {
    const WeatherRecord sample = testing_groups::sampleRecord();
    for (const GroupInfo& g : kGroups) {
        const QByteArray bytes = testing_groups::group(g.groupByte, sample);
        ASSERT_EQ(static_cast<std::size_t>(bytes.size()), g.bodySize + 1);
        WeatherRecord decoded;
        g.decode(bodyOf(bytes), decoded);
        WeatherRecord expected;
        copyGroupMembers(g.groupByte, sample, expected);
        if (g.groupByte == 0xCF) {
            expected.MinuteWindMax = sample.Wind.GustSpeed;
            expected.MinuteWindMaxDir = sample.Wind.GustDir;
        }
        EXPECT_EQ(WeatherRecordJson(decoded), WeatherRecordJson(expected))
            << "group " << std::hex << int(g.groupByte);
        EXPECT_EQ(decoded.MinuteWindMax, expected.MinuteWindMax);
    }
}

TEST(Decoders, EachWritesOnlyItsOwnMembersAndNeverTheChecksum) {
    const WeatherRecord sample = testing_groups::sampleRecord();
    for (const GroupInfo& g : kGroups) {
        // Every byte set, and the body cut before its checksum: the decoder reads nothing beyond.
        const std::vector<std::uint8_t> noise(g.bodySize - 1, 0xFF);
        WeatherRecord r = sample;
        r.MinuteWindMax = 0;
        g.decode(noise, r);
        copyGroupMembers(g.groupByte, sample, r);
        EXPECT_EQ(WeatherRecordJson(r), WeatherRecordJson(sample))
            << "group " << std::hex << int(g.groupByte);
    }
}
