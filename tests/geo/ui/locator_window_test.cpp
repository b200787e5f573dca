// "Locator..." through its real widgets: the own locator shown as coordinates, the target typed in
// small letters and measured with Enter, a locator that cannot be converted refused on "OK", the
// decimal coordinates turned into a locator, and the position taken over into wetterpult.ini.
#include "geo/ui/locator_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/ui/desktop_program.h"
#include "base/notifier.h"
#include "display/ui/main_menu.h"
#include "support/dialog_typing.h"
#include "support/file_bytes.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"

TEST(LocatorWindow, MeasuresConvertsAndTakesOverThePosition) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    LocatorWindow& window = program.settingsDialogs().locator();

    whenShown(window, [&] {
        activate(window);
        EXPECT_EQ(window.windowTitle(), "Locator");
        auto* own = child<QLineEdit>(window, "Locator");
        EXPECT_EQ(own->text(), "JO30XN");
        EXPECT_EQ(child<QLineEdit>(window, "BreiteDezimal")->text(), "50,5625 N");
        EXPECT_EQ(child<QLineEdit>(window, "LaengeGrad")->text(), "7.57.30 E");

        auto* target = child<QLineEdit>(window, "Ziellocator");
        retype(target, "jo62qm");
        EXPECT_EQ(target->text(), "JO62QM");
        EXPECT_TRUE(child<QPushButton>(window, "Entfernung")->isDefault());
        QTest::keyClick(target, Qt::Key_Return);

        retype(own, "jo3");
        QTest::mouseClick(window.okButton(), Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.focusWidget(), own);

        retype(child<QLineEdit>(window, "BreiteDezimal"), "52,52 N");
        retype(child<QLineEdit>(window, "LaengeDezimal"), "13,40 E");
        QTest::mouseClick(child<QPushButton>(window, "zuLocator"), Qt::LeftButton);
        EXPECT_EQ(own->text(), "JO62QM");
        QTest::keyClick(own, Qt::Key_Return);  // "zu Koordinaten", after which "OK" is the default
        QTest::keyClick(own, Qt::Key_Return);
        EXPECT_FALSE(window.isVisible());
    });
    program.window().menu().Locator1->trigger();
    EXPECT_EQ(messages.texts(),
              QStringList({"Distanz JO30XN - JO62QM: 434,2 km", "Ungültige Eingabe"}));

    program.window().close();
    const QByteArray ini = readAll(dir.filePath("wetterpult.ini"));
    EXPECT_TRUE(ini.contains("MyLocator=JO62QM")) << ini.constData();
    EXPECT_TRUE(ini.contains("ASYNOPErdquadrant=1")) << ini.constData();
    EXPECT_TRUE(ini.contains("ASYNOPLat=525\r\nASYNOPLong=0133")) << ini.constData();
}
