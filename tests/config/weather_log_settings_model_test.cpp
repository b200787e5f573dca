// The model of "Wetterlog Einstellungen": the minutes become the log timer's period.
#include "config/weather_log_settings_model.h"

#include <gtest/gtest.h>

#include "config/plain_settings_host.h"
#include "support/qt_printers.h"

TEST(WeatherLogSettingsModel, MinutesSetTheLogTimer) {
    Settings settings;
    PlainSettingsHost host;
    host.logMilliseconds = 600000;
    WeatherLogSettingsModel model(settings, host);
    model.fill();
    EXPECT_EQ(model.minutes, "10");

    model.minutes = "";
    EXPECT_EQ(model.take(), std::nullopt);
    EXPECT_EQ(model.minutes, "0");
    EXPECT_EQ(host.logMilliseconds, 0);

    model.minutes = "15";
    model.take();
    EXPECT_EQ(host.logMilliseconds, 900000);
}

TEST(WeatherLogSettingsModel, TooManyMinutesTakeNothing) {
    Settings settings;
    PlainSettingsHost host;
    WeatherLogSettingsModel model(settings, host);
    model.fill();
    model.folder = "/srv/log";
    model.minutes = "35792";  // more milliseconds than the timer holds
    ASSERT_EQ(model.take(), (FieldProblem{"LogMinuten", notIntegerMessage("35792")}));
    EXPECT_EQ(settings.LogOrdner, QString());
    model.minutes = "35791";
    EXPECT_EQ(model.take(), std::nullopt);
    EXPECT_EQ(host.logMilliseconds, 35791 * 60000);
}

TEST(WeatherLogSettingsModel, FolderOptionsFollowCombineAndEveryBoxIsTaken) {
    Settings settings;
    settings.LogUpdate = 7;  // a hand-edited file: shown as "täglich"
    PlainSettingsHost host;
    WeatherLogSettingsModel model(settings, host);
    model.fill();
    EXPECT_EQ(model.newFile, 0);
    EXPECT_FALSE(model.folderOptionsEnabled());
    model.combineFiles = true;
    EXPECT_TRUE(model.folderOptionsEnabled());
    model.weekFolders = true;
    model.catchPeak = true;
    model.newFile = 2;
    model.folder = "/srv/log";
    model.take();
    EXPECT_TRUE(settings.LogUnterordner);
    EXPECT_TRUE(settings.LogWochenordner);
    EXPECT_FALSE(settings.LogMonatsordner);
    EXPECT_TRUE(settings.CatchPeak);
    EXPECT_EQ(settings.LogUpdate, 2);
    EXPECT_EQ(settings.LogOrdner, "/srv/log");  // taken as typed, no "/" added
}
