// "APRS..." through its widgets: the file is written when the dialog opens and its frame shown,
// "Durchsuchen..." takes the folder from the picker, and the settings are in wetterpult.ini at
// close.
#include "config/ui/aprs_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/ui/desktop_program.h"
#include "base/notifier.h"
#include "config/folder_path.h"
#include "display/ui/main_menu.h"
#include "support/file_bytes.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"

TEST(AprsDialog, ShowsTheFreshFrameAndTakesFolderNameAndInterval) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("aprs"));
    const QString target = shownFolder(dir.filePath("aprs"));
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    AprsDialog& dialog = program.settingsDialogs().aprs();
    FolderPickerDialog& picker = program.settingsDialogs().folderPicker();
    whenShown(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), "APRS ");
        // Written as the dialog opened, and shown as it stands in the file; no station yet, so
        // every field is unknown, not zero.
        const QString frame = child<QPlainTextEdit>(dialog, "APRSFrame")->toPlainText();
        const QByteArray file = readAll(dir.filePath("aprs.txt"));
        EXPECT_TRUE(file.contains(".../...g...t...h..b.....r...P...p...m/")) << file.constData();
        EXPECT_EQ(frame, QString::fromLatin1(file).replace("\r\n", "\n"));
        EXPECT_EQ(child<QLineEdit>(dialog, "APRSDateiname")->text(), "aprs.txt");
        EXPECT_TRUE(child<QRadioButton>(dialog, "Rechner")->isChecked());
        whenShown(picker, [&] {
            EXPECT_EQ(picker.selectedFolder(), shownFolder(dir.path()));
            picker.selectFolder(target);
            QTest::mouseClick(picker.findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(dialog, "Durchsuchen"), Qt::LeftButton);
        EXPECT_EQ(child<QLineEdit>(dialog, "APRSOrdner")->text(), target);
        clickBox(child<QRadioButton>(dialog, "Wetterstation"));
        auto* interval = child<QLineEdit>(dialog, "APRSIntervall");
        interval->selectAll();
        QTest::keyClicks(interval, "5");
        QTest::keyClick(interval, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    program.window().menu().APRS1->trigger();
    EXPECT_EQ(messages.texts(), QStringList());
    EXPECT_EQ(program.program().settings.APRSDatei, target + "/aprs.txt");

    program.window().close();
    const QByteArray ini = readAll(dir.filePath("wetterpult.ini"));
    EXPECT_TRUE(ini.contains("APRSDatei=" + (target + "/aprs.txt").toUtf8())) << ini.constData();
    EXPECT_TRUE(ini.contains("APRSIntervall=5")) << ini.constData();
    EXPECT_TRUE(ini.contains("APRSRechnerZeit=0")) << ini.constData();
}
