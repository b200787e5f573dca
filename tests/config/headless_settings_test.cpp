// The headless program with its settings file: a first start writes every key, a hand-edited file
// survives a run, the command line overrides the file for one run only, a failed save keeps the old
// file and the program running.
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "station/test_groups.h"
#include "support/file_bytes.h"
#include "support/pseudo_terminal.h"
#include "support/wait.h"

namespace {

const QString kProgram = QStringLiteral(WETTERPULT_BIN_DIR "/src/app/wetterpult");

QByteArray firstStartFile(const QString& folder) {
    QByteArray bytes = readAll(QStringLiteral(WETTERPULT_TEST_DATA "/config/first_start.ini"));
    return bytes.replace("@FOLDER@", QFile::encodeName(folder));
}

// A station server stand-in that accepts one connection and keeps what the program sends.
struct Server {
    QTcpServer server;
    QTcpSocket* socket = nullptr;
    QByteArray received;
    Server() {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            socket = server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead,
                             [this] { received += socket->readAll(); });
        });
    }
    bool waitForClient() {
        return waitUntil([this] { return socket != nullptr; });
    }
};

void limitFileSize(QProcess& process, rlim_t bytes) {
    process.setChildProcessModifier([bytes] {
        signal(SIGXFSZ, SIG_IGN);
        rlimit small{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &small);
    });
}

}  // namespace

TEST(HeadlessSettings, FirstStartWritesEveryKeyAndLaterRunsKeepTheFile) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("neu");
    EXPECT_EQ(QProcess::execute(kProgram, {"--headless", "--folder", folder, "--quit"}), 0);
    EXPECT_EQ(readAll(folder + "/wetterpult.ini"), firstStartFile(folder));
    EXPECT_EQ(QProcess::execute(kProgram, {"--headless", "--folder", folder, "--quit"}), 0);
    // No profiles stay no profiles: no empty "Profil1=" and no "[]" section.
    EXPECT_EQ(readAll(folder + "/wetterpult.ini"), firstStartFile(folder));
}

TEST(HeadlessSettings, CommandLineOverridesTheFileForOneRun) {
    QTemporaryDir dir;
    Server server;
    QByteArray file = firstStartFile(dir.path());
    file.prepend("; von Hand: die Station haengt am Dachboden\r\n");
    file.replace("Comport=COM2\r\n", "comport = /dev/wetterpult-gibt-es-nicht\r\nAlt=1\r\n");
    file += "[Eigenes]\r\nNotiz=bleibt\r\n";
    file.replace("ActiveAtStartup=0", "ActiveAtStartup=1");  // goes active at start, stays so
    writeAll(dir.filePath("wetterpult.ini"), file);

    QProcess program;
    program.start(kProgram, {"--headless", "--show-groups", "--folder", dir.path(), "--client",
                             QString("127.0.0.1:%1").arg(server.server.serverPort())});
    ASSERT_TRUE(server.waitForClient());
    // A first group request shows the program has seen its connection up.
    ASSERT_TRUE(waitUntil([&] { return !server.received.isEmpty(); }));
    program.terminate();  // SIGTERM
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(waitUntil([&] { return server.received.endsWith("-Disconnect"); }));
    // Neither the client mode nor the server of the command line reaches the file.
    EXPECT_EQ(readAll(dir.filePath("wetterpult.ini")), file);
}

TEST(HeadlessSettings, ClientSettingsComeFromTheFile) {
    QTemporaryDir dir;
    Server server;
    QByteArray file = firstStartFile(dir.path());
    file.replace("ClientActive=0", "ClientActive=1");
    file.replace("RemotePort=6980", "RemotePort=" + QByteArray::number(server.server.serverPort()));
    file.replace("ActiveAtStartup=0", "ActiveAtStartup=1");  // goes active at start, stays so
    writeAll(dir.filePath("wetterpult.ini"), file);

    QProcess program;
    program.start(kProgram, {"--headless", "--show-groups", "--folder", dir.path()});
    ASSERT_TRUE(server.waitForClient());
    // A first group request shows the program has seen its connection up.
    ASSERT_TRUE(waitUntil([&] { return !server.received.isEmpty(); }));
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(readAll(dir.filePath("wetterpult.ini")), file);
}

TEST(HeadlessSettings, SerialPortComesFromTheFile) {
    QTemporaryDir dir;
    PseudoTerminal station;
    ASSERT_TRUE(station.valid());
    QByteArray file = firstStartFile(dir.path());
    file.replace("Comport=COM2", "Comport=" + QFile::encodeName(station.slavePath()));
    file.replace("ActiveAtStartup=0", "ActiveAtStartup=1");  // goes active at start, stays so
    writeAll(dir.filePath("wetterpult.ini"), file);

    QProcess program;
    program.start(kProgram, {"--headless", "--show-groups", "--folder", dir.path()});
    ASSERT_TRUE(program.waitForStarted());
    // The program prints a line once a group has come through the port named in the file; until
    // it has opened the port the group may be lost, so it is sent again now and then while waiting.
    QByteArray out;
    int polls = 0;
    ASSERT_TRUE(waitUntil([&] {
        if (polls++ % 20 == 0)
            station.write(testing_groups::group(0x9F, testing_groups::sampleRecord()));
        out += program.readAllStandardOutput();
        return !out.isEmpty();
    }));
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(readAll(dir.filePath("wetterpult.ini")), file);
}

TEST(HeadlessSettings, FailedSaveKeepsTheOldFileAndTheProgramRunning) {
    QTemporaryDir dir;
    const QByteArray old = "[Alles]\r\nMyLocator=JN58TD\r\n";
    writeAll(dir.filePath("wetterpult.ini"), old);
    const QString message = "In " + dir.path() + "/wetterpult.ini kann nicht geschrieben werden";

    QProcess quitting;
    limitFileSize(quitting, 256);  // the disk is full after 256 bytes
    quitting.start(kProgram, {"--headless", "--folder", dir.path(), "--quit"});
    ASSERT_TRUE(quitting.waitForFinished(10000));
    EXPECT_EQ(quitting.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(quitting.readAllStandardError()).contains(message));
    EXPECT_EQ(readAll(dir.filePath("wetterpult.ini")), old);

    Server server;
    QProcess program;
    limitFileSize(program, 256);
    program.start(kProgram, {"--headless", "--activate", "--folder", dir.path(), "--client",
                             QString("127.0.0.1:%1").arg(server.server.serverPort())});
    ASSERT_TRUE(server.waitForClient());
    QByteArray errors;
    program.terminate();
    ASSERT_TRUE(waitUntil([&] {
        errors += program.readAllStandardError();
        return QString::fromUtf8(errors).contains(message);
    }));
    EXPECT_TRUE(QString::fromUtf8(errors).contains(message));
    EXPECT_EQ(program.state(), QProcess::Running);
    // The program keeps running until its settings can be written; it is ended the hard way here.
    program.kill();
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(readAll(dir.filePath("wetterpult.ini")), old);
}

// "Aktiv" connects during the start-up; a stop at that moment (the server has just seen the
// connection) is taken in order: the settings are saved and the program ends cleanly, every time.
TEST(HeadlessSettings, StopDuringTheStartUpSavesTheSettings) {
    for (int round = 0; round < 5; ++round) {
        QTemporaryDir dir;
        writeAll(dir.filePath("wetterpult.ini"), "[Alles]\r\nMyLocator=JN58TD\r\n");
        Server server;
        QProcess program;
        program.start(kProgram, {"--headless", "--activate", "--folder", dir.path(), "--client",
                                 QString("127.0.0.1:%1").arg(server.server.serverPort())});
        ASSERT_TRUE(server.waitForClient());
        program.terminate();
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "round " << round;
        EXPECT_EQ(program.exitCode(), 0) << "round " << round;
        const QByteArray ini = readAll(dir.filePath("wetterpult.ini"));
        EXPECT_TRUE(ini.contains("MyLocator=JN58TD") && ini.contains("ActiveAtStartup=1"))
            << "round " << round << ": " << ini.toStdString();
    }
}
