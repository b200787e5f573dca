// The sun window's rows: the two worked days, polar night and day, the clock texts, bad fields.
#include "geo/sun_window_model.h"

#include <gtest/gtest.h>

#include "base/notifier.h"
#include "geo/sun.h"
#include "support/qt_printers.h"

namespace {
QString valueOf(const SunWindowModel& m, const QString& key, int nth = 0) {
    for (const SunRow& r : m.rows())
        if (r.key == key && nth-- == 0)
            return r.value;
    return "(fehlt)";
}
}  // namespace

TEST(SunWindow, DefaultsGiveTheBerlinWinterDayTopDown) {
    SunWindowModel m;
    ASSERT_TRUE(m.calculate());
    const std::vector<SunRow> expected = {
        {"Untergang Real", "16:48"},
        {"Aufgang Real", "7:51"},
        {"Untergang Ortszeit", "16,6970 h"},
        {"Aufgang Ortszeit", "7,7460 h"},
        {"Zeitdifferenz", "4,4755 h"},
        {"Deklination", "-17,6104 °"},
        {"Zeitgleichung", "-13,2902 m"},
        {"Zeitgleichung", "-0,2215 h"},
        {"------------------", "------------------"},
    };
    EXPECT_EQ(m.rows(), expected);
}

TEST(SunWindow, NewestBlockOnTopAndMidsummer) {
    SunWindowModel m;
    ASSERT_TRUE(m.calculate());
    m.dayText = "172";
    m.utcText = "2";
    ASSERT_TRUE(m.calculate());
    ASSERT_EQ(m.rows().size(), 18u);
    EXPECT_EQ(valueOf(m, "Aufgang Real"), "4:43");
    EXPECT_EQ(valueOf(m, "Untergang Real"), "21:33");
    EXPECT_EQ(valueOf(m, "Aufgang Real", 1), "7:51");  // the earlier block below
}

TEST(SunWindow, PolarNightAndDayOnSvalbard) {
    SunWindowModel m;
    m.latitudeText = "78";
    m.dayText = "355";
    ASSERT_TRUE(m.calculate());
    EXPECT_EQ(valueOf(m, "Aufgang Real"), "Sonne geht nicht auf");
    EXPECT_EQ(valueOf(m, "Untergang Ortszeit"), "Sonne geht nicht auf");
    EXPECT_EQ(valueOf(m, "Zeitdifferenz"), "0,0000 h");
    m.dayText = "172";
    ASSERT_TRUE(m.calculate());
    EXPECT_EQ(valueOf(m, "Untergang Real"), "Sonne geht nicht unter");
}

TEST(SunWindow, ClockTextsWithoutLeadingZerosAndCarry) {
    EXPECT_EQ(clockTime(6 + 4.9 / 60).minutes, 5);
    EXPECT_EQ(clockTime(7.9999).hours, 8);  // 59.994 minutes carry into the hour
    EXPECT_EQ(clockTime(7.9999).minutes, 0);
    EXPECT_EQ(clockTime(-0.5).hours, 23);  // before midnight of the day
    EXPECT_EQ(clockTime(-0.5).minutes, 30);
}

TEST(SunWindow, NegativeUtcDifferenceAndBadFields) {
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    SunWindowModel m;
    m.utcText = "-1";  // zone time two hours behind the default
    ASSERT_TRUE(m.calculate());
    EXPECT_EQ(valueOf(m, "Aufgang Real"), "5:51");
    const std::size_t rows = m.rows().size();
    m.latitudeText = "52x";
    EXPECT_FALSE(m.calculate());
    m.latitudeText = "52,5";
    m.utcText = "15";
    EXPECT_FALSE(m.calculate());
    EXPECT_EQ(m.rows().size(), rows);
    EXPECT_EQ(messages.texts(), QStringList({"'52x' ist kein gültiger Gleitkommawert",
                                             "'15' ist kein gültiger Integerwert"}));
}
