// The program without windows as a user runs it: with the simulated station under a fixed clock
// (faketime) across an ASYNOP hour and a profile time, and as a client of a station server that
// must hear "-Disconnect" when the program is stopped.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "base/text_file.h"
#include "support/wait.h"

namespace {

const QString kProgram = QStringLiteral(WETTERPULT_BIN_DIR "/src/app/wetterpult");
const QString kSimulator = QStringLiteral(WETTERPULT_BIN_DIR "/tools/sim/wetterpult-sim");

void writeSettings(const QString& folder, const QStringList& lines) {
    ASSERT_TRUE(textfile::replaceWhole(folder + QStringLiteral("/wetterpult.ini"),
                                       textfile::crlfLines(lines)));
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? textfile::fromWindows1252(file.readAll()) : QString();
}

// Stops the program as systemd or Ctrl-C would and waits for its end.
void stop(QProcess& program) {
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
}

}  // namespace

TEST(HeadlessProgram, RunsTheScheduleAcrossAnAsynopHourUnderAFixedClock) {
    // libfaketime itself, not the faketime wrapper: the wrapper would take the stop signal.
    const QString libfaketime =
        QStringLiteral("/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1");
    if (!QFile::exists(libfaketime))
        GTEST_SKIP() << "libfaketime fehlt (Debian-Paket faketime)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    // Every output on: Read at 12:00, Import (profile 2) at 12:01, profile 3 daily at 12:00, APRS
    // every minute, the log every minute, ASYNOP four times a day; UTC is local time here.
    writeSettings(folder, {"[Alles]",           "APRSIntervall=1",
                           "Zeitzone=0",        "[WinGT]",
                           "ReadMinute=0",      "ReadManuell=0",
                           "ImportManuell=0",   "[ClientServer]",
                           "ClientActive=0",    "[Wetterlog]",
                           "LogInterval=60000", "[ASYNOP]",
                           "ASYNOPIntervall=1", "ASYNOPDatei=" + folder + "/asynop.txt",
                           "[Profile]",         "MaxProfil=3",
                           "Profil1=Wetter",    "Profil2=Nachbar",
                           "Profil3=Mittag",    "[Wetter]",
                           "WieWinGT=1",        "[Nachbar]",
                           "WieWinGT=1",        "Absender=QQ9ZZ",
                           "[Mittag]",          "WieWinGT=0",
                           "Uhrzeit=12:00",     "[ReadSchedule]",
                           "Time0=12:00",       "[ImportSchedule]",
                           "Time0=12:01"});

    // The simulated station, ten times as fast as a real one, like the program's clock below.
    QProcess simulator;
    simulator.start(kSimulator, {"--pty", "--speed", "10", "--seed", "5"});
    ASSERT_TRUE(simulator.waitForReadyRead(10000));
    const QString pty = QString::fromLocal8Bit(simulator.readLine()).trimmed();
    ASSERT_TRUE(pty.startsWith("/dev/")) << qPrintable(pty);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    env.insert(QStringLiteral("LD_PRELOAD"), libfaketime);
    env.insert(QStringLiteral("FAKETIME"), QStringLiteral("@2025-06-16 11:59:40 x10"));
    // Under AddressSanitizer the preloaded library comes before the sanitizer's runtime.
    const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) +
                   QStringLiteral("verify_asan_link_order=0"));
    program.setProcessEnvironment(env);
    program.start(kProgram, {"--headless", "--folder", folder, "--port", pty, "--activate",
                             "--status-every", "5"});
    ASSERT_TRUE(program.waitForStarted());

    const QString profilePage = folder + "/Nachbar.txt";
    const QString asynopTarget = folder + "/asynop.txt";
    EXPECT_TRUE(waitUntil([&] { return QFile::exists(profilePage); }, 60000));
    EXPECT_TRUE(QFile::exists(asynopTarget));
    stop(program);
    simulator.kill();
    simulator.waitForFinished();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    // 12:00: the Read page, the daily page of profile 3, the ASYNOP report of 12 UTC finished and
    // delivered; 12:01: the Import page of profile 2; every minute APRS and the log.
    EXPECT_TRUE(QFile::exists(folder + "/Wetter.txt"));
    EXPECT_TRUE(QFile::exists(folder + "/Mittag.txt"));
    EXPECT_TRUE(readText(asynopTarget).contains("SXSX"));
    EXPECT_TRUE(QFile::exists(folder + "/aprs.txt"));
    EXPECT_TRUE(QFile::exists(folder + "/t16.06.2025.txt"));
    const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
    EXPECT_TRUE(output.contains("Wetterpult - Aktiv | ASYNOP: ")) << qPrintable(output);
    // Shut down with its settings saved: the next start goes active again.
    const QString ini = readText(folder + "/wetterpult.ini");
    EXPECT_TRUE(ini.contains("ActiveAtStartup=1\r\n"));
    EXPECT_TRUE(ini.contains("Time0=12:01\r\n"));
}

TEST(HeadlessProgram, StoppedClientSaysDisconnectToItsServer) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));

    QProcess program;
    program.start(kProgram,
                  {"--headless", "--folder", dir.path(), "--client",
                   QStringLiteral("127.0.0.1:%1").arg(server.serverPort()), "--activate"});
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(waitUntil([&] { return server.hasPendingConnections(); }));
    QTcpSocket* client = server.nextPendingConnection();
    QByteArray received;
    auto receive = [&] {
        received += client->readAll();
        return true;
    };
    // The second tick asks for groups: 0x8F every third second.
    ASSERT_TRUE(waitUntil([&] { return receive() && received.contains('\x8F'); }));
    stop(program);
    EXPECT_TRUE(waitUntil([&] {
        receive();
        return client->state() == QAbstractSocket::UnconnectedState;
    }));
    EXPECT_TRUE(received.endsWith("-Disconnect")) << received.toHex().constData();
    EXPECT_EQ(program.exitCode(), 0);

    // A server given on the command line is not remembered: the file keeps its own.
    const QString ini = readText(dir.path() + "/wetterpult.ini");
    EXPECT_TRUE(ini.contains("ClientActive=0\r\nRemotePort=6980\r\n")) << qPrintable(ini);
    EXPECT_TRUE(ini.contains("ActiveAtStartup=1\r\n"));
}

TEST(HeadlessProgram, OneShotReplayRunNowAndQuit) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess program;
    program.start(kProgram, {"--headless", "--folder", dir.path(), "--replay",
                             WETTERPULT_TEST_DATA "/captures/clean_rounds.bin", "--run", "read",
                             "--run", "aprs", "--run", "asynop-new", "--quit"});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().constData();
    EXPECT_TRUE(QFile::exists(dir.path() + "/Wetter.txt"));
    EXPECT_TRUE(QFile::exists(dir.path() + "/aprs.txt"));
    EXPECT_TRUE(readText(dir.path() + "/asynoptmp.txt").contains("SXSX"));
    // Never switched on: the next start stays inactive as well.
    EXPECT_TRUE(readText(dir.path() + "/wetterpult.ini").contains("ActiveAtStartup=0\r\n"));

    // A capture that cannot be read stops the run with a message.
    program.start(kProgram, {"--headless", "--folder", dir.path(), "--replay",
                             dir.path() + "/fehlt.bin", "--quit"});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().contains("fehlt.bin"));
}
