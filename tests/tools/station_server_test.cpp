// The station server's TCP side against real sockets: answers, unknown groups, several clients,
// "-Disconnect", garbage and clients that vanish.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTcpSocket>
#include <memory>

#include "base/app_clock.h"
#include "station/station_client.h"
#include "station_server.h"
#include "support/wait.h"

namespace {

struct Served {
    StationServer server;
    bool start() {
        QString error;
        return server.listen(QHostAddress::LocalHost, 0, &error);
    }
    std::unique_ptr<QTcpSocket> client() {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, server.port());
        if (!socket->waitForConnected(10000))
            return nullptr;
        return socket;
    }
};

QByteArray body(std::uint8_t first, int size) {
    QByteArray b;
    for (int i = 0; i < size; ++i)
        b.append(char(first + i));
    return b;
}

// The server runs on this thread too: wait with the event loop running.
QByteArray receive(QTcpSocket& socket, qsizetype n) {
    QByteArray got;
    waitUntil([&] {
        got += socket.readAll();
        return got.size() >= n;
    });
    return got;
}

bool closedByServer(QTcpSocket& socket) {
    return waitUntil([&] {
        socket.readAll();
        return socket.state() == QAbstractSocket::UnconnectedState;
    });
}

}  // namespace

TEST(StationServerTest, AnswersEachRequestWithTheLastBody) {
    Served s;
    ASSERT_TRUE(s.start());
    s.server.setGroup(0xBF, body(1, 13));
    s.server.setGroup(0xCF, body(50, 26));
    s.server.setGroup(0xBF, body(20, 13));  // the newer body replaces the older one
    EXPECT_TRUE(s.server.hasGroup(0xBF));
    EXPECT_FALSE(s.server.hasGroup(0x8F));

    auto a = s.client();
    auto b = s.client();
    ASSERT_TRUE(a && b);
    // 0x8F has not arrived: no answer; the two requests in one packet are answered in order.
    a->write("\x8F\xBF\xCF", 3);
    b->write("\xCF", 1);
    EXPECT_EQ(receive(*a, 14 + 27), QByteArray(1, '\xBF') + body(20, 13) + '\xCF' + body(50, 26));
    EXPECT_EQ(receive(*b, 27), QByteArray(1, '\xCF') + body(50, 26));
    EXPECT_EQ(s.server.clientCount(), 2);
}

TEST(StationServerTest, ClosesClientsThatSayGoodbyeOrTalkNonsense) {
    Served s;
    ASSERT_TRUE(s.start());
    s.server.setGroup(0xAF, body(3, 30));
    auto polite = s.client();
    auto rude = s.client();
    auto vanishing = s.client();
    auto staying = s.client();
    ASSERT_TRUE(polite && rude && vanishing && staying);
    ASSERT_TRUE(waitUntil([&] { return s.server.clientCount() == 4; }));

    // "-Disconnect" may arrive in pieces.
    polite->write("-Disc");
    polite->flush();
    ASSERT_TRUE(waitUntil([&] { return polite->bytesToWrite() == 0; }));
    polite->write("onnect");
    EXPECT_TRUE(closedByServer(*polite));

    rude->write("GET / HTTP/1.0\r\n");
    EXPECT_TRUE(closedByServer(*rude));

    vanishing->abort();
    ASSERT_TRUE(waitUntil([&] { return s.server.clientCount() == 1; }));

    staying->write("\xAF", 1);
    EXPECT_EQ(receive(*staying, 31), QByteArray(1, '\xAF') + body(3, 30));
}

TEST(StationServerTest, AClientThatNeverReadsIsDisconnectedOnce) {
    Served s;
    ASSERT_TRUE(s.start());
    s.server.setGroup(0x8F, body(1, 34));
    QStringList log;
    QObject::connect(&s.server, &StationServer::logLine, [&](const QString& l) { log << l; });
    s.server.setVerbose(true);
    auto reader = s.client();
    auto sleeper = std::make_unique<QTcpSocket>();
    // Small buffers on the sleeping side, so that the server's own buffer is what fills up.
    sleeper->setReadBufferSize(1);
    sleeper->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
    sleeper->connectToHost(QHostAddress::LocalHost, s.server.port());
    ASSERT_TRUE(reader && sleeper->waitForConnected(10000));
    ASSERT_TRUE(waitUntil([&] { return s.server.clientCount() == 2; }));
    const QString address = QStringLiteral("127.0.0.1:%1").arg(sleeper->localPort());

    // Ten thousand requests a round: 350 kB of answers that nobody reads.
    const QByteArray requests(10000, '\x8F');
    EXPECT_TRUE(waitUntil(
        [&] {
            if (sleeper->state() == QAbstractSocket::ConnectedState && sleeper->bytesToWrite() == 0)
                sleeper->write(requests);
            return s.server.clientCount() == 1;
        },
        30000));
    EXPECT_EQ(log.filter(address).size(), 2) << qPrintable(log.join('\n'));  // connected, dropped
    EXPECT_TRUE(log.last().contains(address));
    // The reading client is served as before.
    reader->write("\x8F", 1);
    EXPECT_EQ(receive(*reader, 35), QByteArray(1, '\x8F') + body(1, 34));
}

TEST(StationServerTest, AClientGoneBeforeItWasAcceptedLeavesNoLogLine) {
    Served s;
    ASSERT_TRUE(s.start());
    QStringList log;
    QObject::connect(&s.server, &StationServer::logLine, [&](const QString& l) { log << l; });
    s.server.setVerbose(true);
    // The kernel completes the connection before the server's event loop accepts it; the peer
    // then resets it (linger 0 sends RST).
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(s.server.port());
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to), 0);
    linger reset{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    ::close(fd);
    auto later = s.client();  // a connection after it, to know the first one has been handled
    ASSERT_TRUE(later);
    // Pending connections are taken in the order they came: once the later one is in the log, the
    // reset one has been handled.
    ASSERT_TRUE(
        waitUntil([&] { return !log.filter(QString::number(later->localPort())).isEmpty(); }));
    EXPECT_EQ(log.filter(":0").size(), 0) << qPrintable(log.join('\n'));
    EXPECT_EQ(s.server.clientCount(), 1);
}

TEST(StationServerTest, GroupsOlderThanTwoMinutesAreNotSent) {
    FixedClock clock(QDateTime(QDate(2024, 6, 1), QTime(12, 0)));
    ScopedClock scope(clock);
    Served s;
    ASSERT_TRUE(s.start());
    QStringList log;
    QObject::connect(&s.server, &StationServer::logLine, [&](const QString& l) { log << l; });
    s.server.setGroup(0xBF, body(1, 13));
    auto client = s.client();
    ASSERT_TRUE(client);
    client->write("\xBF", 1);
    EXPECT_EQ(receive(*client, 14), QByteArray(1, '\xBF') + body(1, 13));

    // The station has gone silent: its last rain group is not sent any more, whatever is asked;
    // the answers keep their order, so the fresh wind group arriving first shows it.
    clock.advanceSeconds(121);
    s.server.setGroup(0xCF, body(50, 26));
    EXPECT_FALSE(s.server.hasGroup(0xBF));
    client->write("\xBF\xBF\xCF", 3);
    EXPECT_EQ(receive(*client, 27), QByteArray(1, '\xCF') + body(50, 26));
    EXPECT_EQ(log.size(), 1) << qPrintable(log.join('\n'));  // told once

    s.server.setGroup(0xBF, body(20, 13));
    client->write("\xBF", 1);
    EXPECT_EQ(receive(*client, 14), QByteArray(1, '\xBF') + body(20, 13));
}

TEST(StationServerTest, TheClientTakesNothingWhileTheStationClockStandsStill) {
    FixedClock clock(QDateTime(QDate(2024, 6, 1), QTime(12, 0)));
    ScopedClock scope(clock);
    Served s;
    ASSERT_TRUE(s.start());
    StationData data;
    StationClient client(data);
    client.setPort(s.server.port());
    int taken = 0;
    QObject::connect(&client, &StationClient::messageHandled, [&] { ++taken; });
    client.open();
    ASSERT_TRUE(waitUntil([&] { return client.isConnected(); }));
    // A server without the age rule (or a console whose clock froze) keeps serving one clock.
    const auto serve = [&](const QByteArray& clockGroup) {
        s.server.setGroup(0x8F, clockGroup);
        client.GroupRequest(3);  // asks for 0x8F only
    };
    serve(body(1, 34));
    ASSERT_TRUE(waitUntil([&] { return taken == 1; }));
    clock.advanceSeconds(119);
    serve(body(1, 34));
    ASSERT_TRUE(waitUntil([&] { return taken == 2; }));
    clock.advanceSeconds(1);
    serve(body(1, 34));
    ASSERT_TRUE(waitUntil([&] { return client.stale(); }));
    EXPECT_EQ(taken, 2);
    // The clock moves again: taken again.
    clock.advanceSeconds(5);
    serve(body(2, 34));
    ASSERT_TRUE(waitUntil([&] { return taken == 3; }));
    EXPECT_FALSE(client.stale());
}

TEST(StationServerTest, ClientsAreLimitedAndSilentOnesClosed) {
    Served s;
    ASSERT_TRUE(s.start());
    QStringList log;
    QObject::connect(&s.server, &StationServer::logLine, [&](const QString& l) { log << l; });
    s.server.setMaxClients(2);
    s.server.setGroup(0xAF, body(3, 30));
    auto a = s.client();
    auto b = s.client();
    auto waiting = s.client();  // the kernel takes it; the server does not, yet
    ASSERT_TRUE(a && b && waiting);
    ASSERT_TRUE(waitUntil([&] { return !log.isEmpty(); }));
    EXPECT_EQ(log, QStringList{QString::fromUtf8(
                       "Höchstzahl von 2 Clients erreicht; weitere Verbindungen warten.")});
    EXPECT_EQ(s.server.clientCount(), 2);
    waiting->write("\xAF", 1);
    a->abort();
    EXPECT_EQ(receive(*waiting, 31), QByteArray(1, '\xAF') + body(3, 30));
    EXPECT_EQ(log.size(), 1);  // connects and goodbyes only in the verbose log

    Served quiet;
    quiet.server.setIdleLimit(200);
    ASSERT_TRUE(quiet.start());
    auto silent = quiet.client();
    ASSERT_TRUE(silent);
    EXPECT_TRUE(closedByServer(*silent));
    EXPECT_EQ(quiet.server.clientCount(), 0);
}
