// The whole window on a simulated station: the simulator's pseudo-terminal is the serial port.
#include "app/ui/desktop_program.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "base/notifier.h"
#include "display/display_design.h"
#include "station/ui/checksum_window.h"
#include "support/qt_printers.h"

TEST(DesktopProgram, SimulatedStationFillsEveryLabel) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    QProcess sim;
    sim.start(QStringLiteral(WETTERPULT_BIN_DIR "/tools/sim/wetterpult-sim"),
              {"--pty", "--speed", "20", "--seed", "7"});
    ASSERT_TRUE(sim.waitForReadyRead(10000)) << sim.errorString().toStdString();
    const QString pty = QString::fromLocal8Bit(sim.readLine()).trimmed();
    ASSERT_TRUE(pty.startsWith("/dev/")) << pty.toStdString();

    AppOptions options;
    options.port = pty;
    DesktopProgram program(options, dir.path() + "/");
    program.start();
    Form1& form = program.window();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.station().allGroupsSeen(); }, 60000));

    QStringList unchanged;
    for (const GroupBoxDesign& box : groupBoxDesigns())
        for (const LabelDesign& l : box.labels)
            if (form.label(l.name)->text() == l.caption)
                unchanged << l.name;
    for (const LabelDesign& l : topBandLabels())
        if (form.label(l.name)->text() == l.caption)
            unchanged << l.name;
    EXPECT_EQ(unchanged, QStringList());
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
    sim.terminate();
    sim.waitForFinished(10000);
}
