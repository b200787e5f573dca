// The model of "Allgemein" and the number check every dialog model shares.
#include "config/general_settings_model.h"

#include <gtest/gtest.h>

#include "config/time_zone.h"
#include "support/qt_printers.h"

TEST(WholeNumber, TakesOnlyWholeNumbersInRange) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {{"15", 15},
                          {" 15 ", 15},
                          {"+5", 5},
                          {"-3", -3},
                          {"0", 0},
                          {"", std::nullopt},
                          {"-", std::nullopt},
                          {"1a", std::nullopt},
                          {"1.5", std::nullopt},
                          {"65535", 65535},
                          {"65536", std::nullopt},
                          {"99999999999", std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(wholeNumber(QString::fromLatin1(c.text), -10, 65535), c.value) << c.text;
    EXPECT_EQ(notIntegerMessage("1a"), QStringLiteral("'1a' ist kein gültiger Integerwert"));
}

TEST(GeneralSettingsModel, ChosenZoneGivesOffsetAndPosition) {
    Settings settings;
    GeneralSettingsModel model(settings);
    ASSERT_EQ(GeneralSettingsModel::timeZones().size(), 26);
    model.fill();
    EXPECT_EQ(model.timeZone, "+01");
    model.timeZone = "-03";
    EXPECT_EQ(model.take(), std::nullopt);
    EXPECT_EQ(settings.Zeitzone, -3);
    EXPECT_EQ(settings.ZeitzoneIndex, 15);
    model.timeZone = "+05";
    model.take();
    EXPECT_EQ(settings.Zeitzone, 5);
    model.timeZone = "0";
    model.take();
    EXPECT_EQ(settings.Zeitzone, 0);
    EXPECT_EQ(settings.ZeitzoneIndex, 12);
    // "System", the last entry, is kept as its position and shown again.
    model.timeZone = "System";
    EXPECT_EQ(model.take(), std::nullopt);
    EXPECT_EQ(settings.ZeitzoneIndex, kSystemZoneIndex);
    model.fill();
    EXPECT_EQ(model.timeZone, "System");
}

TEST(GeneralSettingsModel, TypedZoneOutsideTheListTakesNothing) {
    Settings settings;
    GeneralSettingsModel model(settings);
    model.fill();
    model.normalGauge = false;  // taken before the zone in the dialog's order
    model.timeZone = "+13";
    const std::optional<FieldProblem> problem = model.take();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, "Zeitzone");
    EXPECT_EQ(problem->message, "'+13' ist kein gültiger Integerwert");
    EXPECT_TRUE(settings.NormalRegen);
    EXPECT_EQ(settings.Zeitzone, 1);
}

TEST(GeneralSettingsModel, PositionBeyondTheListShowsTheStoredOffset) {
    Settings settings;
    settings.ZeitzoneIndex = 40;
    settings.Zeitzone = -5;
    GeneralSettingsModel model(settings);
    model.fill();
    EXPECT_EQ(model.timeZone, "-05");
}
