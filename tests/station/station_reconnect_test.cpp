// The station input kept going: a pseudo-terminal station that goes and comes back at the same
// path (a symbolic link moved to the new one), a station server that is restarted, and one that
// stops answering. One message per loss, one per return, quiet retries in between.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "base/notifier.h"
#include "station/serial_link.h"
#include "station/station_client.h"
#include "station/station_reconnect.h"
#include "support/pseudo_terminal.h"
#include "support/wait.h"

namespace {

constexpr int kRetryMs = 40;

struct Rig {
    Rig() {
        reconnect.setPeriods(kRetryMs, 400);
        link.setPortName(port);
    }
    // The station's port now stands for this pseudo-terminal.
    void movePortTo(const PseudoTerminal& pty) {
        QFile::remove(port);
        ASSERT_TRUE(QFile::link(pty.slavePath(), port));
    }
    bool lost() const { return reconnect.lostSince().isValid(); }
    // Waits until the port or server has been tried again a few times.
    void letRetry() {
        QSignalSpy retries(&reconnect, &StationReconnect::retried);
        ASSERT_TRUE(waitUntil([&] { return retries.count() >= 3; }));
    }

    RecordingNotifier notifier;
    ScopedNotifier scope{notifier};
    QTemporaryDir dir;
    QString port = dir.filePath("station");
    StationData data;
    SerialLink link;
    StationClient client{data};
    StationReconnect reconnect{link, client};
};

}  // namespace

TEST(StationReconnect, SerialStationComesBackAtTheSamePath) {
    Rig rig;
    // Not there at activation: told once, tried again quietly.
    EXPECT_FALSE(rig.reconnect.startSerial());
    EXPECT_TRUE(rig.lost());
    rig.letRetry();
    ASSERT_EQ(rig.notifier.texts().size(), 1);
    EXPECT_TRUE(rig.notifier.texts()[0].startsWith("Unable to open com port"));

    PseudoTerminal first;
    rig.movePortTo(first);
    ASSERT_TRUE(waitUntil([&] { return !rig.lost(); }));
    EXPECT_TRUE(rig.link.isOpen());
    EXPECT_EQ(rig.notifier.texts().last(), "Station wieder verbunden");

    // Unplugged while running: the port's message once, then quiet until the station is back. (The
    // link goes with it: the freed terminal number may be handed to someone else meanwhile.)
    first.closeMaster();
    QFile::remove(rig.port);
    ASSERT_TRUE(waitUntil([&] { return rig.lost(); }));
    rig.letRetry();
    ASSERT_EQ(rig.notifier.texts().size(), 3);
    EXPECT_EQ(rig.notifier.messages[2].caption, "Comport belegt");
    PseudoTerminal second;
    rig.movePortTo(second);
    ASSERT_TRUE(waitUntil([&] { return !rig.lost(); }));
    EXPECT_EQ(rig.notifier.texts().size(), 4);
    QSignalSpy received(&rig.link, &SerialLink::bytesReceived);
    ASSERT_TRUE(second.write("\xBF"));
    EXPECT_TRUE(waitUntil([&] { return received.count() == 1; }));

    // Switched off: closed, and no more retries.
    rig.reconnect.stopSerial();
    second.closeMaster();
    QFile::remove(rig.port);
    PseudoTerminal third;
    rig.movePortTo(third);
    EXPECT_FALSE(rig.reconnect.retrying());
    QCoreApplication::processEvents();
    EXPECT_FALSE(rig.link.isOpen());
    EXPECT_FALSE(rig.lost());
    EXPECT_EQ(rig.notifier.texts().size(), 4);
}

TEST(StationReconnect, RestartedServerIsConnectedAgain) {
    Rig rig;
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    const quint16 port = server.serverPort();
    rig.client.setAddress(QStringLiteral("127.0.0.1"));
    rig.client.setPort(port);
    rig.reconnect.startClient();
    ASSERT_TRUE(server.waitForNewConnection(5000));
    QTcpSocket* peer = server.nextPendingConnection();
    ASSERT_TRUE(waitUntil([&] { return rig.client.isConnected(); }));

    // The server goes away: one socket error, then quiet retries against a closed port.
    server.close();
    peer->abort();
    ASSERT_TRUE(waitUntil([&] { return rig.lost(); }));
    rig.letRetry();
    ASSERT_TRUE(waitUntil([&] { return rig.notifier.texts().size() == 1; }));
    rig.letRetry();
    EXPECT_EQ(rig.notifier.texts().size(), 1);
    EXPECT_TRUE(rig.notifier.texts()[0].startsWith("Windows-Socket-Fehler"));

    // Back on the same port: connected again, and back once it answers.
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, port));
    ASSERT_TRUE(waitUntil([&] { return server.hasPendingConnections(); }));
    peer = server.nextPendingConnection();
    ASSERT_TRUE(waitUntil([&] { return rig.client.isConnected(); }));
    EXPECT_TRUE(rig.lost());
    peer->write("A");
    ASSERT_TRUE(waitUntil([&] { return !rig.lost(); }));
    EXPECT_EQ(rig.notifier.texts().last(), "Station wieder verbunden");

    // A server that answers nothing any more counts as lost.
    ASSERT_TRUE(waitUntil([&] { return rig.lost(); }, 3000));
    EXPECT_TRUE(rig.notifier.texts().last().startsWith("Der Station-Server 127.0.0.1:"));
    EXPECT_EQ(rig.notifier.texts().size(), 3);
    rig.reconnect.stopClient();
    EXPECT_FALSE(rig.lost());
}
