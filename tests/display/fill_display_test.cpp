#include "display/fill_display.h"

#include <gtest/gtest.h>

#include "display/display_design.h"
#include "display/display_texts.h"
#include "support/qt_printers.h"

namespace {
const Formats& de = Formats::german();
const QDateTime kNow(QDate(2001, 6, 20), QTime(9, 41, 7));

// Unless a case says which groups have arrived, every group kind has.
DisplayRefresh refresh(StationData data, const DisplayMemory& memory = {}) {
    if (data.GroupArrivedMs == decltype(data.GroupArrivedMs){})
        data.GroupArrivedMs.fill(1);
    return FillDisplay(data, memory, de, kNow);
}

QString text(const DisplayRefresh& r, const char* name) {
    return r.textOf(QString::fromLatin1(name)).value_or(QStringLiteral("<unchanged>"));
}
int bar(const DisplayRefresh& r, const char* name) {
    return r.barOf(QString::fromLatin1(name)).value_or(-999);
}
}  // namespace

TEST(FillDisplay, FirstGroupIsTheTemperatureGroup) {
    StationData data;
    EXPECT_EQ(text(refresh(StationData{}, {}), "Label1"), "09:41:07");  // all arrived
    const DisplayRefresh none = FillDisplay(data, {}, de, kNow);
    EXPECT_EQ(text(none, "Label1"), "--");
    EXPECT_EQ(text(none, "Label2"), "");
    EXPECT_EQ(text(none, "Label29"), "Aktuell --");

    data.GroupArrivedMs[1] = 1;
    data.Record.IndoorTemp.Current = 215;
    data.Record.OutdoorTemp.Current = -35;
    const DisplayRefresh r = refresh(data);

    // No station clock yet: the computer's time and date stand in.
    EXPECT_EQ(text(r, "Label1"), "09:41:07");
    EXPECT_EQ(text(r, "Label2"), "20.06.2001");
    EXPECT_EQ(text(r, "Label22"), QString::fromUtf8("Aktuell 21,5 °C"));
    // The groups not yet received show no invented zero: "--", empty times, no bar position.
    EXPECT_EQ(text(r, "Label8"), "Aktuell --");
    EXPECT_EQ(text(r, "Label9"), "Hi --");
    EXPECT_EQ(text(r, "Label37"), "Local: --");
    EXPECT_EQ(text(r, "Label66"), "Aktuell: --");
    EXPECT_EQ(text(r, "Label78"), "Max seit 5min: --");
    EXPECT_EQ(bar(r, "ProgressBar1"), -999);
    EXPECT_EQ(bar(r, "ProgressBar5"), -999);
    for (const char* zeit : {"Label7", "Label13", "Label18", "Label19", "Label47", "Label48",
                             "Label52", "Label53", "Label58", "Label71", "Label74"})
        EXPECT_EQ(text(r, zeit), "") << zeit;
    for (const char* alarm : {"Label6", "Label11", "Label12", "Label16", "Label41", "Label45",
                              "Label64", "Label69", "Label75"})
        EXPECT_EQ(text(r, alarm), "Alarm: --") << alarm;
    EXPECT_EQ(text(r, "Label25"), "Alarm: n/a");
    EXPECT_EQ(text(r, "Label80"), "--");
    EXPECT_EQ(text(r, "Label83"), "--");
    EXPECT_EQ(r.batteryColour, kBatteryUnknownColour);
    EXPECT_EQ(r.windRows[4], "");
    EXPECT_FALSE(r.trendPicture.has_value());
    EXPECT_FALSE(r.forecastPicture.has_value());

    // A barometer group whose trend has no word leaves the caption and shows no picture.
    data.GroupArrivedMs[2] = 1;
    EXPECT_EQ(text(refresh(data), "Label39"), "<unchanged>");
}

TEST(FillDisplay, TemperaturesInTenthsWithTheGermanDecimalComma) {
    StationData data;
    auto& w = data.Record;
    w.IndoorTemp.Current = 215;
    w.IndoorTemp.Hi.Value = 210;
    w.IndoorTemp.Lo.Value = -5;
    w.OutdoorTemp.Current = -35;
    w.OutdoorTemp.Hi.Value = 301;
    w.OutdoorTemp.AlarmHiSet = true;
    w.OutdoorTemp.AlarmHi = 95;
    const DisplayRefresh r = refresh(data);
    EXPECT_EQ(text(r, "Label22"), QString::fromUtf8("Aktuell 21,5 °C"));
    EXPECT_EQ(bar(r, "ProgressBar4"), 21);
    EXPECT_EQ(text(r, "Label23"), QString::fromUtf8("Hi 21°C"));
    EXPECT_EQ(text(r, "Label24"), QString::fromUtf8("Lo -0,5°C"));
    EXPECT_EQ(text(r, "Label29"), QString::fromUtf8("Aktuell -3,5°C"));
    EXPECT_EQ(bar(r, "ProgressBar3"), -3);
    EXPECT_EQ(text(r, "Label30"), QString::fromUtf8("Hi 30,1 °C"));
    EXPECT_EQ(text(r, "Label32"), QString::fromUtf8("Alarm bei 95°F"));
    EXPECT_EQ(text(r, "Label33"), "Alarm: n/a");
}

TEST(FillDisplay, OutOfRangeValuesAndBarsAtTheirEnds) {
    StationData data;
    auto& w = data.Record;
    w.OutdoorHum.OutOfRange = true;
    w.OutdoorHum.Current = 20;
    w.DewStatus.IndoorOutOfRange = true;
    w.Rain.RateOutOfRange = true;
    w.IndoorTemp.Current = 612;    // beyond the 0..50 bar
    w.OutdoorTemp.Current = -700;  // below -60
    const DisplayRefresh r = refresh(data);
    EXPECT_EQ(text(r, "Label5"), "Out of Range!");
    EXPECT_EQ(bar(r, "ProgressBar2"), 20);
    EXPECT_EQ(text(r, "Label42"), "Out of Range!");
    EXPECT_EQ(text(r, "Label46"), QString::fromUtf8("Aktuell 0°C"));
    EXPECT_EQ(text(r, "Label55"), "Out of Range!");
    EXPECT_EQ(bar(r, "ProgressBar4"), 50);
    EXPECT_EQ(bar(r, "ProgressBar3"), -60);
}

TEST(FillDisplay, ExtremeTimesUseTheComputersYearAndKeepTheLabelOnAnInvalidDate) {
    EXPECT_EQ(ExtremeTimeText(5, 7, 14, 6, 2001, de), "07:05  14.06.2001");
    EXPECT_EQ(ExtremeTimeText(30, 23, 29, 2, 2024, de), "23:30  29.02.2024");
    EXPECT_FALSE(ExtremeTimeText(30, 23, 29, 2, 2001, de).has_value());
    EXPECT_FALSE(ExtremeTimeText(5, 7, 14, 0, 2001, de).has_value());
    EXPECT_FALSE(ExtremeTimeText(5, 7, 0, 6, 2001, de).has_value());

    StationData data;
    data.Record.OutdoorTemp.Hi.Time = {0, 5, 7, 14, 6};
    data.Record.OutdoorTemp.Lo.Time = {0, 5, 7, 14, 0};  // month 0
    const DisplayRefresh r = refresh(data);
    EXPECT_EQ(text(r, "Label34"), "07:05  14.06.2001");
    EXPECT_EQ(text(r, "Label35"), "<unchanged>");
}

TEST(FillDisplay, StationClockPairIsGuardedAsAPair) {
    StationData data;
    data.Record.Clock.Time = {5, 4, 3, 2, 1};
    data.Record.Clock.AlarmSet = true;
    data.Record.Clock.AlarmHour = 7;
    data.Record.Clock.AlarmMinute = 5;
    DisplayRefresh r = refresh(data);
    EXPECT_EQ(text(r, "Label1"), "03:04:05");
    EXPECT_EQ(text(r, "Label2"), "02.01.2001");
    EXPECT_EQ(text(r, "Label6"), "Alarm um 7:5");

    data.Record.Clock.Time = {0, 0, 12, 30, 2};  // 30 February
    r = refresh(data);
    EXPECT_EQ(text(r, "Label1"), "12:00:00");
    EXPECT_EQ(text(r, "Label2"), "<unchanged>");

    data.Record.Clock.Time = {0, 0, 25, 1, 2};  // no such hour: neither label changes
    r = refresh(data);
    EXPECT_EQ(text(r, "Label1"), "<unchanged>");
    EXPECT_EQ(text(r, "Label2"), "<unchanged>");
}

TEST(FillDisplay, TrendAndForecastChangeOnlyWhenTheirWordChanges) {
    StationData data;
    data.Record.Barometer.Trend = 2;
    data.Record.Barometer.Forecast = 8;
    DisplayMemory shown;
    DisplayRefresh r = refresh(data, shown);
    EXPECT_EQ(text(r, "Label39"), "Trend: gleichbleibend");
    EXPECT_EQ(r.trendPicture, 2);
    EXPECT_EQ(text(r, "Label40"), "Vorhersage: regnerisch");
    EXPECT_EQ(r.forecastPicture, 8);

    shown.trendLabel = "Trend: gleichbleibend";
    shown.forecastLabel = "Vorhersage: regnerisch";
    r = refresh(data, shown);
    EXPECT_EQ(text(r, "Label39"), "<unchanged>");
    EXPECT_FALSE(r.trendPicture.has_value());
    EXPECT_FALSE(r.forecastPicture.has_value());

    data.Record.Barometer.Trend = 1;
    r = refresh(data, shown);
    EXPECT_EQ(text(r, "Label39"), "Trend: steigend");
    EXPECT_EQ(r.trendPicture, 1);

    // Codes beyond the tables have no word and no picture.
    data.Record.Barometer.Trend = 6;
    data.Record.Barometer.Forecast = 12;
    r = refresh(data, shown);
    EXPECT_EQ(text(r, "Label39"), "Trend: ");
    EXPECT_EQ(r.trendPicture, -1);
    EXPECT_EQ(text(r, "Label40"), "Vorhersage: ");
    EXPECT_EQ(r.forecastPicture, -1);
}

TEST(FillDisplay, WindBarRoundsHalvesToEven) {
    StationData data;
    data.Record.Wind.GustSpeed = 125;
    data.Record.Wind.GustDir = 227;
    EXPECT_EQ(bar(refresh(data), "ProgressBar5"), 12);
    EXPECT_EQ(text(refresh(data), "Label66"), QString::fromUtf8("Aktuell: 12,5 m/s - 227°"));
    data.Record.Wind.GustSpeed = 135;
    EXPECT_EQ(bar(refresh(data), "ProgressBar5"), 14);
    data.Record.Wind.GustSpeed = 900;
    EXPECT_EQ(bar(refresh(data), "ProgressBar5"), 60);
}

TEST(FillDisplay, FiveMinuteRowsShowTheRunningMaximum) {
    StationData data;
    data.WindMaxRing = {30, 50, 40, 20, 10};
    DisplayRefresh r = refresh(data);
    EXPECT_EQ(r.windRows, (std::array<QString, 5>{"3", "5", "5", "5", "5"}));
    EXPECT_EQ(text(r, "Label78"), "Max seit 5min: 5 m/s");

    data.WindMaxRing = {0, 0, 52, 31, 78};  // three minute ticks after start
    r = refresh(data);
    EXPECT_EQ(r.windRows, (std::array<QString, 5>{"0", "0", "5,2", "5,2", "7,8"}));

    data.WindMaxRing = {300, 0, 0, 0, 0};  // a minute above 25.5 m/s is kept whole
    EXPECT_EQ(text(refresh(data), "Label78"), "Max seit 5min: 30 m/s");

    // The minute in progress counts for the label, not for the rows of completed minutes.
    data.WindMaxRing = {};
    data.Record.MinuteWindMax = 400;
    r = refresh(data);
    EXPECT_EQ(text(r, "Label78"), "Max seit 5min: 40 m/s");
    EXPECT_EQ(r.windRows, (std::array<QString, 5>{"0", "0", "0", "0", "0"}));
}

TEST(FillDisplay, RainBarometerConsoleAndUnitsLeftToUs) {
    StationData data;
    auto& w = data.Record;
    w.Barometer.Local = 1013;
    w.Barometer.SeaLevel = 10132;
    w.Rain.Rate = 3;
    w.Rain.Total = 1234;
    w.Rain.TotalSince = {0, 0, 0, 1, 1};
    w.Rain.AlarmSet = true;
    w.Rain.Alarm = 2;
    w.Wind.AlarmSet = true;
    w.Wind.Alarm = 40;
    w.Windchill.AlarmSet = true;
    w.Windchill.Alarm = -10;
    w.Windchill.Current = -7;
    w.Console.BatteryLow = true;
    w.Console.PowerDC = true;
    w.Console.DisplaySection = 2;
    data.Rain24h = 12;
    DisplayRefresh r = refresh(data);
    EXPECT_EQ(text(r, "Label37"), "Local: 1013 mb");
    EXPECT_EQ(text(r, "Label38"), "Sealevel: 1013,2 mb");
    EXPECT_EQ(text(r, "Label55"), "Rate: 3 mm/h");
    EXPECT_EQ(text(r, "Label57"), "Total: 1234 mm");
    EXPECT_EQ(text(r, "Label79"), "Seit 24h: 12 mm");
    EXPECT_EQ(text(r, "Label58"), "00:00  01.01.2001");
    EXPECT_EQ(text(r, "Label64"), "Alarm bei 2inches/h");
    EXPECT_EQ(text(r, "Label69"), "Alarm bei 40 mph");
    EXPECT_EQ(text(r, "Label75"), QString::fromUtf8("Alarm bei -10°F"));
    EXPECT_EQ(text(r, "Label72"), QString::fromUtf8("Aktuell: -7°C"));
    EXPECT_EQ(r.batteryColour, kBatteryLowColour);
    EXPECT_EQ(text(r, "Label80"), "DC");
    EXPECT_EQ(text(r, "Label83"), "Feuchtigkeit");

    // The total fell below its daily reference: no number near 65536.
    data.Rain24h = quint16(-3);
    EXPECT_EQ(text(refresh(data), "Label79"), "Seit 24h: -- mm");
}

TEST(FillDisplay, EveryRefreshedNameBelongsToTheDesign) {
    QStringList designed;
    for (const GroupBoxDesign& box : groupBoxDesigns())
        for (const LabelDesign& l : box.labels)
            designed << l.name;
    for (const LabelDesign& l : topBandLabels())
        designed << l.name;
    StationData data;
    data.Record.Clock.Time = {1, 2, 3, 4, 5};
    data.Record.Barometer.Trend = 4;
    data.Record.Barometer.Forecast = 1;
    for (auto* t :
         {&data.Record.IndoorHum.Hi.Time, &data.Record.IndoorHum.Lo.Time,
          &data.Record.OutdoorHum.Hi.Time, &data.Record.OutdoorHum.Lo.Time,
          &data.Record.IndoorTemp.Hi.Time, &data.Record.IndoorTemp.Lo.Time,
          &data.Record.OutdoorTemp.Hi.Time, &data.Record.OutdoorTemp.Lo.Time,
          &data.Record.IndoorDew.Hi.Time, &data.Record.IndoorDew.Lo.Time,
          &data.Record.OutdoorDew.Hi.Time, &data.Record.OutdoorDew.Lo.Time,
          &data.Record.Rain.TotalSince, &data.Record.Wind.HiTime, &data.Record.Windchill.LoTime})
        *t = {0, 1, 1, 1, 1};
    const DisplayRefresh r = refresh(data);
    QStringList refreshed;
    for (const LabelText& l : r.labels)
        refreshed << l.name;
    designed.sort();
    refreshed.sort();
    EXPECT_EQ(refreshed, designed);  // with every date valid, every label gets a text
    EXPECT_EQ(r.bars.size(), 5u);
}

TEST(FillDisplay, TheGroupsThatCameRefreshTheirBoxesAsTheWholeRefreshDoes) {
    StationData data;
    data.GroupArrivedMs.fill(1);
    data.Record.OutdoorTemp.Current = -35;
    data.Record.Wind.GustSpeed = 125;
    const DisplayRefresh whole = FillDisplay(data, {}, de, kNow);
    const DisplayRefresh temperatures =
        FillDisplay(data, {}, de, kNow, {false, true, false, false, false});
    // The station clock and the temperature boxes, as the whole refresh has them; nothing else.
    for (const LabelText& l : temperatures.labels)
        EXPECT_EQ(whole.textOf(l.name), l.text) << l.name.toStdString();
    EXPECT_EQ(text(temperatures, "Label1"), "09:41:07");
    EXPECT_NE(text(temperatures, "Label29"), "<unchanged>");
    for (const char* other : {"Label8", "Label37", "Label55", "Label66", "Label80"})
        EXPECT_EQ(text(temperatures, other), "<unchanged>") << other;
    EXPECT_FALSE(temperatures.windPart);  // battery, "5x Wind" rows and rose stay as they are

    const DisplayRefresh wind = FillDisplay(data, {}, de, kNow, {false, false, false, false, true});
    EXPECT_TRUE(wind.windPart);
    EXPECT_EQ(wind.roseSpeed, whole.roseSpeed);
    EXPECT_EQ(wind.windRows, whole.windRows);
    EXPECT_EQ(bar(wind, "ProgressBar5"), bar(whole, "ProgressBar5"));
    EXPECT_EQ(bar(wind, "ProgressBar3"), -999);
}
