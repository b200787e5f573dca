// "WinGT..." through its real widgets: times typed and added with Enter while "=>" is the default,
// a time that is not hhmm warned about, the exclusive Read boxes, and "OK" writing both schedule
// lists to wetterpult.ini at once.
#include "config/ui/wingt_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/ui/desktop_program.h"
#include "base/notifier.h"
#include "display/ui/main_menu.h"
#include "support/dialog_typing.h"
#include "support/file_bytes.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"

namespace {
void enterTime(QLineEdit* entry, const QString& hhmm) {
    entry->setFocus();
    QTest::keyClicks(entry, hhmm);
    QTest::keyClick(entry, Qt::Key_Return);
}
}  // namespace

TEST(WinGTDialog, AddsTimesWithEnterAndWritesBothListsOnOk) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    WinGTDialog& dialog = program.settingsDialogs().wingt();
    const QString ini = dir.filePath("wetterpult.ini");

    whenShown(dialog, [&] {
        activate(dialog);
        auto* entry = child<QLineEdit>(dialog, "ImportZeit");
        enterTime(entry, "1657");
        EXPECT_TRUE(child<QPushButton>(dialog, "ImportHinzu")->isDefault());
        enterTime(entry, "957");
        enterTime(entry, "0a8b00");  // letters are dropped
        EXPECT_EQ(entry->text(), "");
        EXPECT_EQ(dialog.focusWidget(), entry);
        auto* times = child<QListWidget>(dialog, "ImportZeiten");
        ASSERT_EQ(times->count(), 2);
        EXPECT_EQ(times->item(0)->text(), "08:00");
        EXPECT_EQ(times->item(1)->text(), "16:57");

        dialog.pages()->setCurrentIndex(1);
        auto* manual = child<QCheckBox>(dialog, "ReadManuell");
        auto* everyMinute = child<QCheckBox>(dialog, "ReadMinute");
        EXPECT_TRUE(manual->isChecked());
        clickBox(everyMinute);
        EXPECT_FALSE(everyMinute->isChecked());
        clickBox(manual);
        clickBox(everyMinute);
        EXPECT_TRUE(everyMinute->isChecked());
        enterTime(child<QLineEdit>(dialog, "ReadZeit"), "0600");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    program.window().menu().WinGT1->trigger();
    EXPECT_EQ(messages.texts(), QStringList{"Bitte die Zeiten im Format hhmm angeben"});
    EXPECT_EQ(messages.messages.at(0).caption, "Warnung");
    // Written at once, before the program closes.
    EXPECT_EQ(readAll(ini),
              "[ImportSchedule]\r\nTime0=08:00\r\nTime1=16:57\r\n\r\n"
              "[ReadSchedule]\r\nTime0=06:00\r\n");
    EXPECT_EQ(program.program().scheduler.nextReadTime(), "06:00");

    program.window().close();
    EXPECT_TRUE(readAll(ini).contains("ReadMinute=1\r\nReadManuell=0\r\nImportManuell=1"));
}
