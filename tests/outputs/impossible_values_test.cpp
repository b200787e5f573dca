// Values no console can measure (a group whose checksum matched by chance, a garbage server) are
// written in each file format's own form for "missing"; the record itself keeps them.
#include <gtest/gtest.h>

#include "outputs/aprs_file.h"
#include "outputs/asynop_lines.h"
#include "outputs/output_fixture.h"
#include "outputs/weather_log.h"

namespace {

class ImpossibleValues : public OutputTest {
protected:
    ImpossibleValues() {
        WeatherRecord& r = station.Record;
        r.Clock.Time = StationTime{97, 151, 110, 7, 12};
        r.OutdoorHum.Current = 235;
        r.IndoorHum.Current = 9;
        r.OutdoorTemp.Current = 715;
        r.IndoorTemp.Current = -5;
        r.OutdoorDew.Current = 57;
        r.IndoorDew.Current = 48;
        r.Barometer.SeaLevel = 32100;
        r.Barometer.Local = 3210;
        r.Barometer.Forecast = 15;
        r.Rain.Rate = 1715;
        r.Wind.AvgDir = 1516;
        r.Wind.AvgSpeed = 674;
        r.Wind.GustDir = 1516;
        r.Windchill.Current = -86;
        station.WindMaxRing = {12, 561, 50, 34, 20};
        station.Rain24h = 65000;  // a total below its reference
    }
};

TEST_F(ImpossibleValues, AprsFieldsAreDots) {
    EXPECT_EQ(BuildAprsLines(station, settings, clock.now(), Formats::german()).value(1),
              QStringLiteral(".../...g...t...h..b.....r000P012p012m/"));
}

TEST_F(ImpossibleValues, AsynopGroupsAreSlashes) {
    // The gust of 3.4 m/s is real; its direction is not. No rain group without a rain rate.
    EXPECT_EQ(AsynopReportLine(station, settings, clock.now()).toStdString(),
              "QQ9ZZ 07201 99505 10080 46/// ///03 1//// 29/// 4//// 5////=");
}

TEST_F(ImpossibleValues, LogFieldsAreEmptyAndTheClockIsTheComputers) {
    const QString values = QString(9 + 9 + 7 + 7 + 2 + 5 + 7 + 7 + 8 + 2, ' ');
    const QString words = QStringLiteral("gleichbleibend") + QString(2 + 10 + 7, ' ');
    EXPECT_EQ(
        WeatherLogLine(station, clock.now(), Formats::german()).toStdString(),
        ("07.12.2026   21:30:05" + values + words + "    3.4" + QString(7 + 7, ' ')).toStdString());
}

}  // namespace
