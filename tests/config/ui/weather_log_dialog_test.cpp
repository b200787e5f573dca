// "Wetterlog..." through its widgets: only digits reach the minutes field, the folder boxes follow
// "Logdateien zusammenfasssen", and "OK" sets the log timer at once.
#include "config/ui/weather_log_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/ui/desktop_program.h"
#include "base/notifier.h"
#include "display/ui/main_menu.h"
#include "support/file_bytes.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"

TEST(WeatherLogDialog, DigitsSetTheLogTimerAndTheFolderBoxesFollowCombine) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    WeatherLogDialog& dialog = program.settingsDialogs().weatherLog();
    whenShown(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), "Wetterlog Einstellungen");
        auto* week = child<QCheckBox>(dialog, "LogWochenordner");
        auto* combine = child<QGroupBox>(dialog, "LogUnterordner");
        EXPECT_EQ(combine->title(), "Logdateien zusammenfasssen");
        EXPECT_FALSE(week->isEnabled());
        combine->setFocus();
        QTest::keyClick(combine, Qt::Key_Space);
        EXPECT_TRUE(week->isEnabled());
        clickBox(week);
        clickBox(child<QRadioButton>(dialog, "monatlich"));
        auto* minutes = child<QLineEdit>(dialog, "LogMinuten");
        EXPECT_EQ(minutes->text(), "0");
        minutes->selectAll();
        QTest::keyClicks(minutes, "1x5");
        EXPECT_EQ(minutes->text(), "15");
        QTest::keyClick(minutes, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    program.window().menu().Wetterlog1->trigger();
    EXPECT_EQ(program.program().scheduler.logInterval(), 900000);
    EXPECT_EQ(messages.texts(), QStringList());

    program.window().close();
    const QByteArray ini = readAll(dir.filePath("wetterpult.ini"));
    EXPECT_TRUE(
        ini.contains("LogUpdate=2\r\nLogWochenordner=1\r\nLogMonatsordner=0\r\n"
                     "LogUnterordner=1\r\nLogInterval=900000"))
        << ini.constData();
}
