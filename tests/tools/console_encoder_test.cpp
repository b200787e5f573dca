// The simulator's group encoder against the program's decoders: whatever the simulated console
// holds must come back field for field, checksums must hold, and the byte layouts must match the
// known examples.
#include <gtest/gtest.h>

#include "console_encoder.h"
#include "station/group_table.h"
#include "station/record_json.h"
#include "station/serial_road.h"
#include "station/test_groups.h"
#include "station_model.h"

namespace {

// Decodes all five encoded groups of a record into a fresh record.
WeatherRecord roundTrip(const WeatherRecord& source) {
    WeatherRecord decoded;
    for (const GroupInfo& g : kGroups) {
        const QByteArray body = encodeGroupBody(g.groupByte, source);
        EXPECT_EQ(std::size_t(body.size()), g.bodySize);
        EXPECT_TRUE(SerialRoad::checksumMatches(g.groupByte, body)) << int(g.groupByte);
        g.decode(GroupBody(reinterpret_cast<const std::uint8_t*>(body.constData()),
                           std::size_t(body.size())),
                 decoded);
    }
    return decoded;
}

// Fields the decoders set from the gust (the minute's maximum) are bookkeeping, not group data.
void expectSameGroups(const WeatherRecord& expected, const WeatherRecord& actual) {
    EXPECT_EQ(WeatherRecordJson(actual).toStdString(), WeatherRecordJson(expected).toStdString());
}

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

}  // namespace

TEST(ConsoleEncoderTest, SimulatedStatesSurviveTheDecoders) {
    // A summer afternoon, a winter night with frost and wind chill, a day that rains.
    for (const auto& [seed, start] :
         {std::pair{1, QDateTime(QDate(2024, 6, 24), QTime(12, 30))},
          std::pair{7, QDateTime(QDate(2024, 1, 26), QTime(4, 0))},
          std::pair{42, QDateTime(QDate(2023, 11, 3), QTime(18, 15))}}) {
        StationModel model(std::uint64_t(seed), start);
        for (int step = 0; step < 48; ++step) {
            const WeatherRecord& r = model.record();
            expectSameGroups(r, roundTrip(r));
            model.advance(1800);
        }
    }
}

TEST(ConsoleEncoderTest, EdgeValuesSurviveTheDecoders) {
    WeatherRecord r;
    r.Clock.Time = {59, 59, 23, 31, 12};
    r.Clock.MonthBit4 = true;
    r.Clock.AlarmSet = true;
    r.IndoorHum = {100,  10,   97,  {{0, 7, 3, 1, 2}, 10, false}, {{0, 45, 22, 28, 9}, 100, true},
                   true, true, true};
    r.OutdoorTemp.Current = -799;
    r.OutdoorTemp.Hi.Value = -5;
    r.OutdoorTemp.Lo.Value = -799;
    r.OutdoorTemp.AlarmHi = 199;
    r.OutdoorTemp.AlarmLo = 105;
    r.OutdoorTemp.AlarmLoSet = true;
    r.IndoorTemp.Current = 0;
    r.IndoorTemp.Positive = true;
    r.IndoorTemp.Hi = {{0, 1, 2, 3, 4}, 799, true};
    r.IndoorTemp.Lo.Flag = true;
    r.Barometer = {1050, 10499, 16, true, 4, 8, 3};
    r.IndoorDew.Current = 99;
    r.IndoorDew.AlarmHi = 1;
    r.OutdoorDew.AlarmHi = 16;
    r.OutdoorDew.Lo = {{0, 59, 23, 31, 12}, 99, false};
    r.DewStatus = {true, true, true, true};
    r.Rain = {998, 9999, 1234, 999, {0, 30, 6, 1, 1}, true, true, true};
    r.Wind = {999, 359, true, 0, 0, true, 500, 180, true, {0, 1, 2, 3, 4}, 199, true, 2};
    r.Windchill = {-45, -99, {0, 10, 5, 2, 2}, -199, true};
    r.Console = {true, true, 7};
    for (TempReading* t : {&r.IndoorTemp, &r.OutdoorTemp}) {
        t->Positive = t->Current >= 0;
        t->Hi.Flag = t->Hi.Value >= 0;
        t->Lo.Flag = t->Lo.Value >= 0;
    }
    expectSameGroups(r, roundTrip(r));
}

TEST(ConsoleEncoderTest, BytesMatchTheKnownLayouts) {
    WeatherRecord r;
    r.Clock.Time = {45, 30, 12, 24, 6};
    r.IndoorTemp.Current = -235;
    r.IndoorTemp.Hi.Value = -125;
    r.IndoorTemp.AlarmHi = 195;
    r.Barometer.Local = 1013;
    r.Barometer.SeaLevel = 10132;
    r.Barometer.Trend = 4;
    r.Barometer.Forecast = 2;
    r.IndoorDew.AlarmHi = 16;
    r.OutdoorDew.AlarmHi = 5;
    r.Barometer.Alarm = 1;
    r.Rain.Total = 1234;
    r.Wind.GustSpeed = 156;
    r.Wind.GustDir = 227;
    r.Windchill.Current = -7;
    r.Console.DisplaySection = 2;

    const QByteArray g8F = encodeGroupBody(0x8F, r);
    EXPECT_EQ(g8F.left(5), bytesOf({0x45, 0x30, 0x12, 0x24, 0x06}));
    const QByteArray g9F = encodeGroupBody(0x9F, r);
    EXPECT_EQ(g9F.left(3), bytesOf({0x35, 0x5A, 0x92}));  // -23.5 now, -12.5 hi
    EXPECT_EQ(g9F.mid(11, 2), bytesOf({0x50, 0x19}));
    const QByteArray gAF = encodeGroupBody(0xAF, r);
    EXPECT_EQ(gAF.left(6), bytesOf({0x13, 0x10, 0x32, 0x01, 0x01, 0x42}));
    EXPECT_EQ(std::uint8_t(gAF[16]), 0x4F);
    const QByteArray gBF = encodeGroupBody(0xBF, r);
    EXPECT_EQ(gBF.mid(4, 2), bytesOf({0x34, 0x12}));
    const QByteArray gCF = encodeGroupBody(0xCF, r);
    EXPECT_EQ(gCF.left(3), bytesOf({0x56, 0x71, 0x22}));
    EXPECT_EQ(std::uint8_t(gCF[15]), 0x07);
    EXPECT_EQ(std::uint8_t(gCF[20]) & 0x20, 0x20);
    EXPECT_EQ(std::uint8_t(gCF[23]), 0x20);

    // Group byte plus all body bytes but the last, modulo 256.
    EXPECT_EQ(groupChecksum(0xBF, bytesOf({0xFF, 0x02})), 0xC0);
    EXPECT_EQ(encodeGroup(0xBF, r).left(1), bytesOf({0xBF}));
    EXPECT_TRUE(encodeGroup(0x41, r).isEmpty());
}

TEST(ConsoleEncoderTest, AgreesWithTheDecoderTestsGroupBuilder) {
    // Two packers written apart from each other must give the same bytes for the same values.
    const WeatherRecord r = testing_groups::sampleRecord();
    for (const GroupInfo& g : kGroups)
        EXPECT_EQ(encodeGroup(g.groupByte, r).toHex().toStdString(),
                  testing_groups::group(g.groupByte, r).toHex().toStdString())
            << std::hex << int(g.groupByte);
}
