// The windows of "&Ansicht" and "Hilfe" in the desktop program: menu items and check marks, the
// context menu's "graphische Anzeige...", the alarm overview's snapshot, and one run on the
// simulated station that opens every window and reads it.
#include "app/ui/view_windows.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "app/ui/desktop_program.h"
#include "archive/ui/verlauf_window.h"
#include "base/notifier.h"
#include "display/rose_geometry.h"
#include "display/ui/about_box.h"
#include "display/ui/alarm_window.h"
#include "display/ui/explorer_window.h"
#include "display/ui/main_menu.h"
#include "display/ui/thermometer_window.h"
#include "display/ui/wind_rose_window.h"
#include "geo/ui/sun_window.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"
#include "support/simulated_station.h"

namespace {
QString panelCaption(ThermometerWindow& t) {
    return t.panel()->accessibleName();
}
}  // namespace

TEST(ViewWindows, GraphicViewAndCheckMarksFollowTheWindows) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    Form1& form = program.window();
    ViewWindows& views = program.viewWindows();
    MainMenu& menu = form.menu();
    ThermometerWindow& thermometer = views.thermometer();
    EXPECT_EQ(thermometer.windowTitle(), "Aussentemperatur");

    form.qsthermoClick("GroupBox7");
    EXPECT_TRUE(thermometer.isVisible());
    EXPECT_TRUE(menu.Quecksilber1->isChecked());
    EXPECT_EQ(panelCaption(thermometer), "Innentaupunkt");
    EXPECT_TRUE(thermometer.timerRunning());
    thermometer.PopupMenu1()->findChild<QAction*>("Windchill1")->trigger();
    EXPECT_EQ(thermometer.windowTitle(), "Windchill");
    EXPECT_EQ(thermometer.quantity(), ThermometerQuantity::Windchill);
    // The close box drops the check mark and stops the timer.
    thermometer.close();
    EXPECT_FALSE(menu.Quecksilber1->isChecked());
    EXPECT_FALSE(thermometer.timerRunning());

    form.qsthermoClick("GroupBox10");
    EXPECT_TRUE(views.rose().isVisible());
    EXPECT_TRUE(menu.Windrose1->isChecked());
    views.rose().close();
    EXPECT_FALSE(menu.Windrose1->isChecked());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F3);
    EXPECT_TRUE(views.rose().isVisible());
    EXPECT_TRUE(menu.Windrose1->isChecked());
    // The rose leaves the focus where it was; F4 in the rose opens the thermometer too.
    EXPECT_TRUE(form.isActiveWindow());
    views.rose().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&views.rose()));
    QTest::keyClick(&views.rose(), Qt::Key_F4);
    EXPECT_TRUE(thermometer.isVisible());
    thermometer.close();

    // Other boxes and the window itself open nothing.
    form.qsthermoClick("GroupBox9");
    form.qsthermoClick("Form1");
    EXPECT_FALSE(thermometer.isVisible());
    EXPECT_EQ(messages.texts(), QStringList());
    // No manual beside the test program: "ReadMe..." says so.
    menu.ReadMe1->trigger();
    EXPECT_EQ(messages.texts(), QStringList({"Die Anleitung wurde nicht gefunden."}));
}

TEST(ViewWindows, AlarmOverviewIsASnapshotOfTheLabels) {
    QTemporaryDir dir;
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    Form1& form = program.window();
    AlarmWindow& alarms = program.viewWindows().alarms();
    // Before any group: no limit is known.
    form.menu().Alarme1->trigger();
    ASSERT_TRUE(alarms.isVisible());
    EXPECT_EQ(alarms.cell(1, 1), "Alarm: --");
    EXPECT_EQ(alarms.cell(3, 0), " Max");
    EXPECT_EQ(alarms.cell(4, 1), "Alarm: --");
    // A refresh while the window is open does not change it; the next showing does.
    StationData data = program.station();
    data.GroupArrivedMs.fill(1);
    form.FillDisplay(data);
    EXPECT_EQ(alarms.cell(3, 1), "Alarm: --");
    form.menu().Alarme1->trigger();
    EXPECT_FALSE(alarms.isVisible());
    form.menu().Alarme1->trigger();
    for (int row : {1, 3, 4, 6, 7, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19})
        EXPECT_EQ(alarms.cell(row, 1), "Alarm: n/a") << row;
    alarms.close();
    EXPECT_FALSE(form.menu().Alarme1->isChecked());
}

TEST(ViewWindows, EveryWindowOnTheSimulatedStation) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    SimulatedStation sim(11);
    const QString pty = sim.port();
    ASSERT_TRUE(pty.startsWith("/dev/")) << sim.error().toStdString();
    AppOptions options;
    options.port = pty;
    options.activate = true;
    DesktopProgram program(options, dir.path() + "/");
    program.start();
    Form1& form = program.window();
    ViewWindows& views = program.viewWindows();
    MainMenu& menu = form.menu();
    const WeatherRecord& record = program.station().Record;
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.station().allGroupsSeen(); }, 60000));

    menu.Windrose1->trigger();
    WindRoseWindow& rose = views.rose();
    ASSERT_TRUE(rose.isVisible());
    // The next refresh brings the gust; then labels and dot agree with the record.
    const std::uint16_t gust = record.Wind.GustSpeed;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return rose.findChild<QLabel*>("Label1")->text().endsWith(" m/s"); }, 10000));
    form.FillDisplay(program.station());
    EXPECT_EQ(rose.findChild<QLabel*>("Label1")->text(),
              roseSpeedText(record.Wind.GustSpeed, Formats::german()))
        << gust;
    EXPECT_EQ(rose.findChild<QLabel*>("Label2")->text(), roseDirectionText(record.Wind.GustDir));
    EXPECT_EQ(rose.dotRect().center(), roseDotCentre(260, 260, record.Wind.GustDir));
    EXPECT_EQ(rose.dotColour(), roseColour(record.Wind.GustSpeed));

    menu.Quecksilber1->trigger();
    ThermometerWindow& thermometer = views.thermometer();
    ASSERT_TRUE(thermometer.isVisible());
    thermometer.secondPassed();
    EXPECT_TRUE(thermometer.timerRunning()) << "Timer1 stands in when no second comes";
    const int h = thermometer.height() - 17;
    const ThermometerColumn expected =
        thermometerColumn(h, 17, *thermometerValue(ThermometerQuantity::OutdoorTemp, record));
    EXPECT_EQ(thermometer.column()->geometry().top(), expected.top);
    EXPECT_EQ(thermometer.column()->height(), expected.height);
    EXPECT_EQ(thermometer.width(), qRound((thermometer.height() - 17) / 2.4));

    menu.Alarme1->trigger();
    EXPECT_TRUE(views.alarms().cell(1, 1).startsWith("Alarm"))
        << views.alarms().cell(1, 1).toStdString();
    EXPECT_EQ(views.alarms().cell(19, 0), "Regenrate");

    menu.Sonne1->trigger();
    SunWindow& sun = views.sun();
    ASSERT_TRUE(sun.isVisible());
    QTest::mouseClick(sun.calculateButton(), Qt::LeftButton);
    ASSERT_EQ(sun.list()->topLevelItemCount(), 9);
    EXPECT_EQ(sun.list()->topLevelItem(0)->text(0), "Untergang Real");
    EXPECT_EQ(sun.list()->topLevelItem(0)->text(1), "16:48");

    menu.Explorer1->trigger();
    EXPECT_TRUE(views.explorer().isVisible());
    EXPECT_EQ(views.explorer().tree()->topLevelItem(0)->child(1)->child(1)->text(0), "Temperatut");

    AboutBox& about = views.about();
    QString version;
    whenShown(about, [&] {
        version = about.versionLabel()->text();
        about.accept();
    });
    menu.About1->trigger();
    EXPECT_EQ(version, "Version 0.2.1b");

    EXPECT_EQ(messages.texts(), QStringList());
    // With WETTERPULT_SHOTS set to a folder the screen is saved there as views.png, the windows
    // beside the main window (scripts/view-shots.sh).
    const QString shots = qEnvironmentVariable("WETTERPULT_SHOTS");
    if (!shots.isEmpty()) {
        views.explorer().hide();
        form.move(0, 0);
        const int right = form.frameGeometry().right() + 8;
        rose.move(right, 0);
        views.alarms().move(right, rose.frameGeometry().bottom() + 8);
        thermometer.move(
            std::max(rose.frameGeometry().right(), views.alarms().frameGeometry().right()) + 8, 0);
        sun.move(thermometer.frameGeometry().right() + 8, 0);
        // The window manager shows them in its own time; once exposed, each has been painted
        // before the grab, which asks the same display connection.
        for (QWidget* w :
             std::initializer_list<QWidget*>{&form, &rose, &views.alarms(), &thermometer, &sun})
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        QGuiApplication::processEvents();
        const QRect all = form.frameGeometry() | sun.frameGeometry() | thermometer.frameGeometry() |
                          views.alarms().frameGeometry();
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(
            0, 0, 0, all.right() + 9, all.bottom() + 9);
        EXPECT_TRUE(screen.save(QDir(shots).filePath("views.png")));
    }
    form.close();
}

TEST(ViewWindows, EveryControlHasAnAccessibleName) {
    QTemporaryDir dir;
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    ViewWindows& v = program.viewWindows();
    QStringList nameless;
    for (QWidget* window : std::initializer_list<QWidget*>{
             &v.about(), &v.alarms(), &v.thermometer(), &v.explorer(), &v.rose(), &v.sun()}) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus || w->focusProxy() || w->window() != window)
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                nameless << window->objectName() + "/" + w->metaObject()->className() + "/" +
                                w->objectName();
        }
    }
    EXPECT_EQ(nameless, QStringList());
    // The readings are there for a screen reader too.
    v.thermometer().setQuantity(ThermometerQuantity::IndoorTemp);
    EXPECT_EQ(v.thermometer().accessibleDescription(), "Innentemperatur: 0,0 °C");
    v.rose().UpdateRose(125);
    EXPECT_EQ(v.rose().accessibleDescription(), "12,5 m/s, 0°");
}

// Escape closes each view window, as "Abbrechen" would close a dialog.
TEST(ViewWindows, EscapeClosesEachViewWindow) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    ViewWindows& views = program.viewWindows();
    for (QWidget* window :
         std::initializer_list<QWidget*>{&views.rose(), &views.thermometer(), &views.alarms(),
                                         &views.explorer(), &program.showVerlauf()}) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName().toStdString();
        QTest::keyClick(window, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
}
