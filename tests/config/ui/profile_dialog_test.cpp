// "Profile..." through its real widgets: choosing and deleting a profile after the confirmation,
// "&Neu..." refusing a name in use and taking a new one, a daily time that is no hh:mm refused,
// and the table in wetterpult.ini after closing.
#include "config/ui/profile_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/ui/desktop_program.h"
#include "base/notifier.h"
#include "config/profile_table.h"
#include "config/ui/new_profile_dialog.h"
#include "display/ui/main_menu.h"
#include "support/dialog_typing.h"
#include "support/file_bytes.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"

TEST(ProfileDialog, EditsTheTableAtOnceAndStoresTheShownProfile) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    Settings& s = program.program().settings;
    addProfile(s, "Eins");
    addProfile(s, "Zwei");
    s.profile(1).Absender = "DL1ABC";
    ProfileDialog& dialog = program.settingsDialogs().profiles();
    NewProfileDialog& newProfile = dialog.newProfileDialog();

    whenShown(dialog, [&] {
        activate(dialog);
        auto* names = child<QComboBox>(dialog, "Profilname");
        EXPECT_EQ(names->currentText(), "Eins");
        EXPECT_EQ(child<QLineEdit>(dialog, "Absender")->text(), "DL1ABC");
        QTest::keyClick(names, Qt::Key_Down);
        EXPECT_EQ(child<QLineEdit>(dialog, "Absender")->text(), "");
        QTest::mouseClick(child<QPushButton>(dialog, "Loeschen"), Qt::LeftButton);
        EXPECT_EQ(s.ProfileCount, 1);
        EXPECT_EQ(names->count(), 1);
        EXPECT_EQ(child<QLineEdit>(dialog, "Absender")->text(), "DL1ABC");

        whenShown(newProfile, [&] {
            EXPECT_EQ(newProfile.windowTitle(), "Neues Profil");
            retype(newProfile.nameField(), "eins");
            QTest::keyClick(newProfile.nameField(), Qt::Key_Return);
            EXPECT_TRUE(newProfile.isVisible());  // a name in use is refused
            retype(newProfile.nameField(), "Test");
            QTest::keyClick(newProfile.nameField(), Qt::Key_Return);
        });
        QTest::mouseClick(child<QPushButton>(dialog, "Neu"), Qt::LeftButton);
        EXPECT_EQ(names->currentText(), "Test");
        EXPECT_EQ(s.ProfileCount, 2);

        retype(child<QLineEdit>(dialog, "Betreff"), "Wetter");
        auto* time = child<QLineEdit>(dialog, "Uhrzeit");
        EXPECT_FALSE(time->isEnabled());
        QTest::mouseClick(child<QRadioButton>(dialog, "Taeglich"), Qt::LeftButton, {},
                          QPoint(6, 6));
        EXPECT_TRUE(time->isEnabled());
        retype(time, "7:5x");  // the x is dropped
        QTest::keyClick(time, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), time);
        retype(time, "07:05");
        QTest::keyClick(time, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    program.window().menu().Profile1->trigger();
    EXPECT_EQ(messages.messages.at(0).caption, "Bestätigung");
    EXPECT_EQ(messages.texts(), QStringList({"Ausgewähltes Profil löschen?",
                                             "Ein Profil mit dem Namen eins gibt es schon.",
                                             "Bitte die Zeit im Format hh:mm angeben"}));
    const Profile& p = s.profile(2);
    EXPECT_EQ(p.Name, "Test");
    EXPECT_EQ(p.Absender, "DL1ABC");  // the fields shown when it was added
    EXPECT_EQ(p.Betreff, "Wetter");
    EXPECT_FALSE(p.WieWinGT);

    program.window().close();
    const QByteArray ini = readAll(dir.filePath("wetterpult.ini"));
    EXPECT_TRUE(ini.contains("MaxProfil=2\r\nProfil1=Eins\r\nProfil2=Test\r\n")) << ini.constData();
    EXPECT_TRUE(ini.contains("[Test]\r\n")) << ini.constData();
    EXPECT_TRUE(ini.contains("WieWinGT=0\r\nUhrzeit=07:05")) << ini.constData();
}
