// The built programs, driven as a user would: simulator on a pseudo-terminal, decoder on the serial
// road and on the client road through the station server, the headless program, shut-down.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <set>

#include "support/wait.h"

namespace {

QString program(const char* relative) {
    return QStringLiteral(WETTERPULT_BIN_DIR "/") + QString::fromLatin1(relative);
}
const char* kSim = "tools/sim/wetterpult-sim";
const char* kServer = "tools/server/wetterpult-server";
const char* kDecode = "src/app/wetterpult-decode";
const char* kApp = "src/app/wetterpult";

// A started program that is ended (and reaped) when the test is over.
class Running {
public:
    Running(const char* relative, const QStringList& arguments) {
        process_.start(program(relative), arguments);
        started_ = process_.waitForStarted(10000);
    }
    ~Running() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(10000);
        }
    }
    bool started() const { return started_; }
    QProcess& process() { return process_; }

    // The next line of standard output, or an empty string after the timeout.
    QString readLine(int timeoutMs = 20000) {
        if (!waitUntil([this] { return process_.canReadLine(); }, timeoutMs))
            return {};
        return QString::fromUtf8(process_.readLine()).trimmed();
    }
    bool finished(int timeoutMs = 20000) {
        return waitUntil([this] { return process_.state() == QProcess::NotRunning; }, timeoutMs);
    }
    QString standardError() { return QString::fromUtf8(process_.readAllStandardError()); }

private:
    QProcess process_;
    bool started_ = false;
};

// Starts the simulator on a pseudo-terminal and returns its slave device.
QString startSimulator(Running& sim) {
    return sim.started() ? sim.readLine() : QString();
}

// Reads JSON lines until every group kind has been seen; returns the checksum texts per group.
std::map<QString, std::set<QString>> collectGroups(Running& decoder, int maxLines) {
    std::map<QString, std::set<QString>> seen;
    // A false start (a data byte equal to a group byte) may show a kind as "Error!" first, so
    // reading goes on until every kind has come through good or the lines run out.
    auto goodKinds = [&seen] {
        int n = 0;
        for (const auto& [group, results] : seen)
            n += results.count(QStringLiteral("OK!")) || results.count(QStringLiteral("null"));
        return n;
    };
    for (int i = 0; i < maxLines && goodKinds() < 5; ++i) {
        const QString line = decoder.readLine();
        if (line.isEmpty())
            break;
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        const QJsonValue checksum = o.value(QStringLiteral("checksum"));
        seen[o.value(QStringLiteral("group")).toString()].insert(
            checksum.isNull() ? QStringLiteral("null") : checksum.toString());
    }
    return seen;
}

}  // namespace

TEST(ProgramsTest, SimulatorOnAPseudoTerminalDecodesOnTheSerialRoad) {
    Running sim(kSim, {QStringLiteral("--pty"), QStringLiteral("--speed"), QStringLiteral("20"),
                       QStringLiteral("--seed"), QStringLiteral("4")});
    const QString pty = startSimulator(sim);
    ASSERT_TRUE(pty.startsWith(QStringLiteral("/dev/"))) << pty.toStdString();

    Running decode(kDecode, {QStringLiteral("--serial"), pty, QStringLiteral("--groups"),
                             QStringLiteral("40")});
    ASSERT_TRUE(decode.started());
    const auto seen = collectGroups(decode, 40);
    for (const char* g : {"8F", "9F", "AF", "BF", "CF"})
        EXPECT_TRUE(seen.count(QString::fromLatin1(g)) &&
                    seen.at(QString::fromLatin1(g)).count(QStringLiteral("OK!")))
            << g;
    ASSERT_TRUE(decode.finished());  // --groups ends it
    EXPECT_EQ(decode.process().exitCode(), 0);

    // The simulator goes away: a decoder on the port hears of it and ends with the message.
    Running second(kDecode, {QStringLiteral("--serial"), pty});
    ASSERT_TRUE(second.started());
    ASSERT_FALSE(second.readLine().isEmpty());
    sim.process().terminate();
    ASSERT_TRUE(second.finished());
    EXPECT_EQ(second.process().exitCode(), 1);
    EXPECT_TRUE(second.standardError().contains(
        QStringLiteral("Comport belegt: %1 kann nich geöffnet werden.").arg(pty)));
}

TEST(ProgramsTest, ServerPassesTheGroupsToTheClientRoad) {
    Running sim(kSim, {QStringLiteral("--pty"), QStringLiteral("--speed"), QStringLiteral("20"),
                       QStringLiteral("--seed"), QStringLiteral("5")});
    const QString pty = startSimulator(sim);
    ASSERT_FALSE(pty.isEmpty());
    Running server(kServer, {QStringLiteral("--serial"), pty, QStringLiteral("--listen"),
                             QStringLiteral("0")});
    const QString banner = server.readLine();
    ASSERT_TRUE(banner.startsWith(QStringLiteral("Station-Server an 127.0.0.1:")))
        << banner.toStdString() << server.standardError().toStdString();
    const QString address = banner.section(QLatin1Char(' '), -1);

    // The server answers only groups it has; ask until all five have arrived at it.
    std::map<QString, std::set<QString>> seen;
    for (int attempt = 0; attempt < 10 && seen.size() < 5; ++attempt) {
        Running decode(kDecode,
                       {QStringLiteral("--tcp"), address, QStringLiteral("--counter"),
                        QStringLiteral("1"), QStringLiteral("--groups"), QStringLiteral("5")});
        ASSERT_TRUE(decode.started());
        for (const auto& [group, checksums] : collectGroups(decode, 5))
            seen[group] = checksums;
        decode.process().terminate();
        ASSERT_TRUE(decode.finished());
    }
    for (const char* g : {"8F", "9F", "AF", "BF", "CF"}) {
        ASSERT_TRUE(seen.count(QString::fromLatin1(g))) << g;
        EXPECT_EQ(seen.at(QString::fromLatin1(g)), std::set<QString>{QStringLiteral("null")});
    }
}

TEST(ProgramsTest, HeadlessProgramPrintsLinesAndEndsInOrder) {
    Running sim(kSim, {QStringLiteral("--pty"), QStringLiteral("--speed"), QStringLiteral("20")});
    const QString pty = startSimulator(sim);
    ASSERT_FALSE(pty.isEmpty());
    QTemporaryDir folder;
    Running app(kApp, {QStringLiteral("--headless"), QStringLiteral("--folder"), folder.path(),
                       QStringLiteral("--activate"), QStringLiteral("--show-groups"),
                       QStringLiteral("--port"), pty});
    ASSERT_TRUE(app.started());
    bool sawTemperature = false;
    for (int i = 0; i < 10 && !sawTemperature; ++i) {
        const QString line = app.readLine();
        ASSERT_FALSE(line.isEmpty()) << app.standardError().toStdString();
        // "hh:mm:ss dd.mm. " then the group's values.
        EXPECT_TRUE(line.contains(
            QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d \\d\\d\\.\\d\\d\\. "))))
            << line.toStdString();
        sawTemperature = line.contains(QStringLiteral("Temperatur innen"));
    }
    EXPECT_TRUE(sawTemperature);
    app.process().terminate();
    ASSERT_TRUE(app.finished());
    EXPECT_EQ(app.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.process().exitCode(), 0);
}

TEST(ProgramsTest, HeadlessClientSaysDisconnectWhenEnded) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QTemporaryDir folder;
    Running app(kApp, {QStringLiteral("--headless"), QStringLiteral("--folder"), folder.path(),
                       QStringLiteral("--activate"), QStringLiteral("--client"),
                       QStringLiteral("127.0.0.1:%1").arg(server.serverPort())});
    ASSERT_TRUE(app.started());
    ASSERT_TRUE(waitUntil([&] { return server.hasPendingConnections(); }));
    std::unique_ptr<QTcpSocket> peer(server.nextPendingConnection());

    // The second tick of the poll (counter 57) asks for 0x8F.
    QByteArray got;
    ASSERT_TRUE(waitUntil([&] {
        got += peer->readAll();
        return got.contains('\x8F');
    }));
    app.process().terminate();
    ASSERT_TRUE(waitUntil([&] {
        got += peer->readAll();
        return got.endsWith("-Disconnect");
    }));
    ASSERT_TRUE(app.finished());
    EXPECT_EQ(app.process().exitCode(), 0);
}

TEST(ProgramsTest, SimulatorFileOutputIsRepeatableAndHelpIsGerman) {
    const QStringList args = {QStringLiteral("--out"),
                              QStringLiteral("-"),
                              QStringLiteral("--fast"),
                              QStringLiteral("--groups"),
                              QStringLiteral("30"),
                              QStringLiteral("--seed"),
                              QStringLiteral("1"),
                              QStringLiteral("--start"),
                              QStringLiteral("2024-06-24T12:30:00")};
    QByteArray outputs[2];
    for (QByteArray& out : outputs) {
        Running sim(kSim, args);
        ASSERT_TRUE(sim.finished());
        EXPECT_EQ(sim.process().exitCode(), 0);
        out = sim.process().readAllStandardOutput();
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_GT(outputs[0].size(), 30 * 14);

    // Every program: German help for -h and --help, its version, and a wrong option named first
    // in the same words (the desktop program before it looks for a screen).
    for (const char* tool : {kSim, kServer, kApp, kDecode}) {
        const QString name = QFileInfo(program(tool)).fileName();
        for (const char* option : {"-h", "--help"}) {
            Running help(tool, {QString::fromLatin1(option)});
            ASSERT_TRUE(help.finished());
            EXPECT_EQ(help.process().exitCode(), 0);
            EXPECT_TRUE(QString::fromUtf8(help.process().readAllStandardOutput())
                            .startsWith(QStringLiteral("Aufruf: ")))
                << tool << option;
        }
        Running version(tool, {QStringLiteral("--version")});
        ASSERT_TRUE(version.finished());
        EXPECT_EQ(QString::fromUtf8(version.process().readAllStandardOutput()),
                  name + QStringLiteral(" 0.2.1b\n"));
        QProcess bogus;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* screen : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(screen));
        bogus.setProcessEnvironment(env);
        bogus.start(program(tool), {QStringLiteral("--bogus"), QStringLiteral("--serial")});
        ASSERT_TRUE(bogus.waitForFinished(20000));
        EXPECT_EQ(bogus.exitCode(), 2);
        EXPECT_EQ(
            QString::fromUtf8(bogus.readAllStandardError()),
            name + QStringLiteral(": Unbekannte Option: --bogus (--help zeigt den Aufruf)\n"));
    }
    Running wrong(kSim, {QStringLiteral("--pty"), QStringLiteral("--fast")});
    ASSERT_TRUE(wrong.finished());
    EXPECT_EQ(wrong.process().exitCode(), 2);
    EXPECT_TRUE(wrong.standardError().contains(QStringLiteral("--fast geht nicht mit --pty.")));
}
