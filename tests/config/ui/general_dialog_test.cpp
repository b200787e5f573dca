// "Allgemein..." through its real widgets in the running program: the menu item opens the dialog
// filled from the settings, Enter takes it, a typed zone outside the list is refused without
// taking anything, and what was taken is in wetterpult.ini after closing.
#include "config/ui/general_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/ui/desktop_program.h"
#include "base/notifier.h"
#include "display/ui/main_menu.h"
#include "support/file_bytes.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"

namespace {
void typeZone(QComboBox* zone, const QString& text) {
    zone->lineEdit()->selectAll();
    QTest::keyClicks(zone->lineEdit(), text);
}
}  // namespace

TEST(GeneralDialog, MenuOpensItAndEnterTakesTheFields) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    program.program().settings.regnBeheizt = true;
    GeneralDialog& dialog = program.settingsDialogs().general();
    bool shown = false;
    whenShown(dialog, [&] {
        shown = true;
        EXPECT_EQ(dialog.windowTitle(), "Allgemein");
        EXPECT_TRUE(dialog.isModal());
        EXPECT_TRUE(child<QCheckBox>(dialog, "regnBeheizt")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(dialog, "NormalRegen")->isChecked());
        auto* zone = child<QComboBox>(dialog, "Zeitzone");
        EXPECT_EQ(zone->currentText(), "+01");
        clickBox(child<QCheckBox>(dialog, "autoLog"));
        clickBox(child<QRadioButton>(dialog, "UmbauRegen"));
        typeZone(zone, "-03");
        QTest::keyClick(zone, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    program.window().menu().Allgemein1->trigger();
    ASSERT_TRUE(shown);
    const Settings& s = program.program().settings;
    EXPECT_EQ(s.Zeitzone, -3);
    EXPECT_EQ(s.ZeitzoneIndex, 15);
    EXPECT_FALSE(s.autoLog);
    EXPECT_FALSE(s.NormalRegen);
    EXPECT_TRUE(s.regnBeheizt);
    EXPECT_EQ(messages.texts(), QStringList());

    program.window().close();
    const QByteArray ini = readAll(dir.filePath("wetterpult.ini"));
    EXPECT_TRUE(ini.contains("Zeitzone=-3\r\nZeitzoneIndex=15")) << ini.constData();
    EXPECT_TRUE(ini.contains("NormalRegen=0")) << ini.constData();
    EXPECT_TRUE(ini.contains("autoLog=0")) << ini.constData();
}

TEST(GeneralDialog, BadZoneKeepsTheDialogOpenAndEscapeChangesNothing) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    GeneralDialog& dialog = program.settingsDialogs().general();
    whenShown(dialog, [&] {
        clickBox(child<QCheckBox>(dialog, "autoRead"));
        auto* zone = child<QComboBox>(dialog, "Zeitzone");
        typeZone(zone, "+13");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(messages.texts(), QStringList{"'+13' ist kein gültiger Integerwert"});
        EXPECT_EQ(dialog.focusWidget(), zone);
        EXPECT_EQ(zone->lineEdit()->selectedText(), "+13");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    program.window().menu().Allgemein1->trigger();
    EXPECT_TRUE(program.program().settings.autoRead);
    EXPECT_EQ(program.program().settings.Zeitzone, 1);

    // Opened again, it shows the settings, not what was typed before.
    whenShown(dialog, [&] {
        EXPECT_EQ(child<QComboBox>(dialog, "Zeitzone")->currentText(), "+01");
        EXPECT_TRUE(child<QCheckBox>(dialog, "autoRead")->isChecked());
    });
    program.window().menu().Allgemein1->trigger();
}
