// "ASYNOP..." through its real widgets: the working file started and shown, the subject following
// the sender as it is typed, a latitude of four digits refused on its page, and the settings in
// wetterpult.ini after closing.
#include "config/ui/asynop_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/ui/desktop_program.h"
#include "base/app_clock.h"
#include "base/notifier.h"
#include "display/ui/main_menu.h"
#include "support/dialog_typing.h"
#include "support/file_bytes.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"

TEST(AsynopDialog, ShowsTheWorkingFileFollowsTheSenderAndRefusesABadLatitude) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(9, 30)));
    ScopedClock scopedClock(clock);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    AsynopDialog& dialog = program.settingsDialogs().asynop();
    QFile::remove(dir.filePath("asynoptmp.txt"));

    whenShown(dialog, [&] {
        activate(dialog);
        EXPECT_TRUE(child<QPlainTextEdit>(dialog, "AsynopDatei")->toPlainText().contains("SXSX"));
        EXPECT_EQ(child<QLineEdit>(dialog, "Dateiname")->text(), "asynoptmp.txt");
        dialog.pages()->setCurrentIndex(1);
        EXPECT_EQ(child<QLineEdit>(dialog, "Betreff")->text(), "ASYNOP QQ9ZZ 07.12.26");
        retype(child<QLineEdit>(dialog, "Absender"), "DL1ABC");
        EXPECT_EQ(child<QLineEdit>(dialog, "Betreff")->text(), "ASYNOP DL1ABC 07.12.26");
        EXPECT_EQ(program.program().asynop.AsynopSubject, "ASYNOP DL1ABC 07.12.26");

        auto* latitude = child<QLineEdit>(dialog, "Latitude");
        retype(latitude, "5252");
        dialog.pages()->setCurrentIndex(0);
        QTest::keyClick(child<QLineEdit>(dialog, "Dateiname"), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.pages()->currentIndex(), 1);
        EXPECT_EQ(dialog.focusWidget(), latitude);
        retype(latitude, "525");
        QTest::keyClick(latitude, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    program.window().menu().ASYNOP1->trigger();
    EXPECT_TRUE(QFile::exists(dir.filePath("asynoptmp.txt")));
    EXPECT_EQ(messages.texts(), QStringList{"'5252' ist kein gültiger Integerwert"});

    program.window().close();
    const QByteArray ini = readAll(dir.filePath("wetterpult.ini"));
    EXPECT_TRUE(ini.contains("ASYNOPAbsender=DL1ABC")) << ini.constData();
    EXPECT_TRUE(ini.contains("ASYNOPLat=525")) << ini.constData();
}
