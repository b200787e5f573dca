// The whole window on a simulated station: the simulator's pseudo-terminal is the serial port.
#include "app/ui/desktop_program.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "base/notifier.h"
#include "display/display_design.h"
#include "station/ui/checksum_window.h"
#include "support/qt_printers.h"
#include "support/simulated_station.h"

TEST(DesktopProgram, SimulatedStationFillsEveryLabel) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    SimulatedStation sim(7);
    const QString pty = sim.port();
    ASSERT_TRUE(pty.startsWith("/dev/")) << sim.error().toStdString();

    AppOptions options;
    options.port = pty;
    options.activate = true;
    DesktopProgram program(options, dir.path() + "/");
    program.start();
    Form1& form = program.window();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.station().allGroupsSeen(); }, 60000));

    const auto unchanged = [&form] {
        QStringList names;
        for (const GroupBoxDesign& box : groupBoxDesigns())
            for (const LabelDesign& l : box.labels)
                if (form.label(l.name)->text() == l.caption)
                    names << l.name;
        for (const LabelDesign& l : topBandLabels())
            if (form.label(l.name)->text() == l.caption)
                names << l.name;
        return names;
    };
    // The last group is shown with the clock's next second.
    EXPECT_TRUE(QTest::qWaitFor([&] { return unchanged().isEmpty(); }, 3000))
        << unchanged().join(' ').toStdString();
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(form.checksumWindow()->result(row), "OK!");
    EXPECT_EQ(messages.texts(), QStringList());

    // Closing saves the settings; the port named on the command line is not written back.
    form.close();
    EXPECT_FALSE(form.isVisible());
    QFile ini(dir.filePath("wetterpult.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray saved = ini.readAll();
    EXPECT_TRUE(saved.contains("Group2=-2147483633")) << saved.constData();
    EXPECT_FALSE(saved.contains(pty.toLatin1()));
}

TEST(DesktopProgram, F2SwitchesAktivAndTheStatusBarCountsDown) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    AppOptions options;
    options.port = dir.filePath("kein-port");  // a port that cannot be opened
    DesktopProgram program(options, dir.path() + "/");
    program.start();
    Form1& form = program.window();
    EXPECT_EQ(form.windowTitle(), "Wetterpult - Inactive");
    EXPECT_EQ(form.statusText(0), "ASYNOP: keine Datei");
    EXPECT_EQ(form.statusText(5), "");
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    QTest::keyClick(&form, Qt::Key_F2);
    // The port failure is told once, with the device and the reason; the switch stays on and the
    // port is tried again.
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("Unable to open com port (win error code: 2)"));
    EXPECT_EQ(messages.messages[0].details,
              options.port + QString::fromUtf8(": Gerät nicht vorhanden"));
    EXPECT_TRUE(form.isActive());
    EXPECT_TRUE(program.program().scheduler.isActive());
    EXPECT_EQ(form.windowTitle(), "Wetterpult - Aktiv");
    EXPECT_TRUE(form.statusText(1).startsWith("Import: ")) << form.statusText(1).toStdString();
    EXPECT_TRUE(form.statusText(5).startsWith("Keine Verbindung zur Station seit "))
        << form.statusText(5).toStdString();
    const QString first = form.statusText(4);  // "APRS: 0:ss" counts down
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.statusText(4) != first; }, 3000));

    QTest::keyClick(&form, Qt::Key_F2);
    EXPECT_FALSE(form.isActive());
    EXPECT_EQ(form.windowTitle(), "Wetterpult - Inaktiv");
    // The second tick stops with "Aktiv": nothing is left to change the panel.
    const QString stopped = form.statusText(5);
    EXPECT_FALSE(program.program().clock.ticking());
    QApplication::processEvents();
    EXPECT_EQ(form.statusText(5), stopped);
}

TEST(DesktopProgram, WindowStaysOpenWhileTheSettingsCannotBeSaved) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    Form1& form = program.window();
    // A folder in the settings file's place: the file cannot be written.
    ASSERT_TRUE(QDir(dir.path()).mkdir("wetterpult.ini"));
    form.close();
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith("In "))
        << messages.texts().first().toStdString();
    ASSERT_TRUE(QDir(dir.path()).rmdir("wetterpult.ini"));
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(QFile::exists(dir.filePath("wetterpult.ini")));
}

TEST(DesktopProgram, SecondaryWindowsAreCreatedOnceInTheirOrder) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    QStringList created;
    for (QObject* child : program.window().children())
        if (auto* w = qobject_cast<QWidget*>(child); w && w->isWindow() && !w->isVisible())
            created << w->windowTitle();
    // The diagnostics windows and the colour and font choosers belong to the main window and come
    // with it; from the about box on, the program's order ("Neues Profil" stands over "Profile").
    created = created.mid(created.indexOf("About"));
    const QStringList expected = {"About",
                                  "Alarme",
                                  "Allgemein",
                                  "Aussentemperatur",
                                  "APRS ",
                                  "Weather Explorer",
                                  "Wetterlog Einstellungen",
                                  "Profile",
                                  "Ordner wählen...",
                                  "Windrose",
                                  "WinGT Einstellungen",
                                  "Locator",
                                  "Sonne",
                                  "ASYNOP",
                                  "Client/Server",
                                  "Setup",
                                  "MQTT",
                                  "CWOP / APRS-IS",
                                  "Weather Underground",
                                  "Webseite",
                                  "Dienste"};
    EXPECT_EQ(created, expected) << created.join(" | ").toStdString();
}
