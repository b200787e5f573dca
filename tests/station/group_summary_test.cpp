// The headless program's line per group: station clock, German numbers and words.
#include <gtest/gtest.h>

#include "base/app_clock.h"
#include "station/group_summary.h"

TEST(GroupSummaryTest, OneGermanLinePerGroup) {
    WeatherRecord r;
    r.Clock.Time = {45, 30, 12, 24, 6};
    r.IndoorHum.Current = 45;
    r.OutdoorHum.Current = 65;
    r.IndoorTemp.Current = 215;
    r.OutdoorTemp.Current = -5;
    r.Barometer.SeaLevel = 10132;
    r.Barometer.Trend = 4;
    r.Barometer.Forecast = 2;
    r.IndoorDew.Current = 9;
    r.OutdoorDew.Current = 0;
    r.Rain = {2, 5, 1234, 0, {}, false, false, false};
    r.Wind.AvgSpeed = 34;
    r.Wind.AvgDir = 227;
    r.Wind.GustSpeed = 156;
    r.Wind.GustDir = 230;
    r.Windchill.Current = -7;

    EXPECT_EQ(groupSummaryLine(r, 0x8F),
              QStringLiteral("12:30:45 24.06. Feuchte innen 45 %, außen 65 %"));
    EXPECT_EQ(groupSummaryLine(r, 0x9F),
              QStringLiteral("12:30:45 24.06. Temperatur innen 21,5 °C, außen -0,5 °C"));
    EXPECT_EQ(groupSummaryLine(r, 0xAF),
              QStringLiteral("12:30:45 24.06. Luftdruck 1013,2 mb fallend, Vorhersage bewölkt, "
                             "Taupunkt innen 9 °C, außen 0 °C"));
    EXPECT_EQ(groupSummaryLine(r, 0xBF),
              QStringLiteral("12:30:45 24.06. Regen 2 mm/h, gestern 5 mm, gesamt 1234 mm"));
    EXPECT_EQ(
        groupSummaryLine(r, 0xCF),
        QStringLiteral("12:30:45 24.06. Wind 3,4 m/s 227°, Böe 15,6 m/s 230°, Windchill -7 °C"));
    r.Console.BatteryLow = true;
    r.Barometer.Trend = 3;  // no word for this code
    r.Barometer.Forecast = 0;
    EXPECT_TRUE(groupSummaryLine(r, 0xCF).endsWith(QStringLiteral(", Batterie schwach")));
    EXPECT_EQ(
        groupSummaryLine(r, 0xAF),
        QStringLiteral("12:30:45 24.06. Luftdruck 1013,2 mb, Taupunkt innen 9 °C, außen 0 °C"));
    EXPECT_TRUE(groupSummaryLine(r, 0x41).isEmpty());
}

TEST(GroupSummaryTest, ComputerClockUntilTheStationClockHasCome) {
    FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(21, 5, 9)));
    ScopedClock scope(clock);
    WeatherRecord r;
    r.IndoorHum.Current = 40;
    EXPECT_TRUE(groupSummaryLine(r, 0x8F).startsWith(QStringLiteral("21:05:09 07.12. ")));
    r.Clock.Time.Month = 3;  // day still 0: not yet a station date
    EXPECT_TRUE(groupSummaryLine(r, 0x8F).startsWith(QStringLiteral("21:05:09 07.12. ")));
}
