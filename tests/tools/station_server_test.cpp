// The station server's TCP side against real sockets: answers, unknown groups, several clients,
// "-Disconnect", garbage and clients that vanish.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTcpSocket>
#include <memory>

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
