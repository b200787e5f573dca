// The wind rose's dot and colours, the thermometer's column and the alarm overview's rows.
#include <gtest/gtest.h>

#include <QHash>

#include "display/alarm_rows.h"
#include "display/rose_geometry.h"
#include "display/thermometer_geometry.h"
#include "support/qt_printers.h"

namespace {
std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r + 256 * g + 65536 * b;
}
}  // namespace

TEST(WindRose, DotStandsOnTheRingAtTheGustDirection) {
    EXPECT_EQ(roseDotCentre(260, 260, 0), QPoint(130, 40));
    EXPECT_EQ(roseDotCentre(260, 260, 90), QPoint(220, 130));
    EXPECT_EQ(roseDotCentre(260, 260, 225), QPoint(66, 194));
    EXPECT_EQ(roseRadius(390), 135);
}

TEST(WindRose, ColourRampWithHalvesToEvenAndBothEnds) {
    EXPECT_EQ(roseColour(70), rgb(0, 128, 255));  // 127.5 rounds to the even 128
    EXPECT_EQ(roseColour(420), rgb(255, 255, 0));
    EXPECT_EQ(roseColour(560), rgb(255, 0, 0));
    EXPECT_EQ(roseColour(0), rgb(0, 0, 255));    // calm: the ramp's blue
    EXPECT_EQ(roseColour(600), rgb(255, 0, 0));  // beyond the ramp: red
    EXPECT_EQ(roseSpeedText(125, Formats::german()), "12,5 m/s");
    EXPECT_EQ(roseSpeedText(40, Formats::german()), "4 m/s");
}

TEST(Thermometer, ColumnReachesTheValueOnTheScale) {
    // Picture 720 high below a 17-pixel panel: 7.7 pixels per degree, -30 at 633.
    EXPECT_EQ(thermometerColumn(720, 17, 21.5).top, 253);
    EXPECT_EQ(thermometerColumn(720, 17, 21.5).height, 397);
    EXPECT_EQ(thermometerColumn(720, 17, -30).height, 0);
    EXPECT_EQ(thermometerColumn(720, 17, -30).top, 650);
}

TEST(Thermometer, ColumnNeverLeavesTheScale) {
    // Below -30 no column (not a 16-bit wrap to a huge one), above 50 up to the 50 mark.
    EXPECT_EQ(thermometerColumn(720, 17, -45).height, 0);
    EXPECT_EQ(thermometerColumn(720, 17, -45).top, 650);
    EXPECT_EQ(thermometerColumn(720, 17, 63), thermometerColumn(720, 17, 50));
    EXPECT_EQ(thermometerColumn(720, 17, 50).top, 650 - 616);
}

TEST(AlarmOverview, RowsFromTheAlarmLabels) {
    QHash<QString, QString> labels;
    labels["Label6"] = "Alarm um 7:30";
    labels["Label11"] = "Alarm bei 60 %";
    labels["Label12"] = "Alarm: n/a";
    labels["Label45"] = "Alarm Hi";  // the designed caption before any group
    const AlarmRows rows = alarmRows([&](const QString& name) { return labels.value(name); });
    EXPECT_EQ(rows[0], std::make_pair(QString("Alarm"), QString("Wert")));
    EXPECT_EQ(rows[1], std::make_pair(QString("Wecker"), QString("Alarm um 7:30")));
    EXPECT_EQ(rows[5], std::make_pair(QString("Luftfeuchte innen"), QString()));
    // Hi beside " Max", lo beside " Min", the blank kept.
    EXPECT_EQ(rows[6], std::make_pair(QString(" Max"), QString("Alarm bei 60 %")));
    EXPECT_EQ(rows[7], std::make_pair(QString(" Min"), QString("Alarm: n/a")));
    EXPECT_EQ(rows[15], std::make_pair(QString("Taupnkt innen"), QString("Alarm Hi")));
    EXPECT_EQ(rows[19].first, "Regenrate");
}
