// The client road over loopback against a server played by the test: requests, messages into the
// record, split messages, a server that goes away, "-Disconnect" at the end.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <cerrno>
#include <cstring>
#include <map>

#include "base/notifier.h"
#include "console_encoder.h"
#include "station/client_poller.h"
#include "station/station_client.h"
#include "station_model.h"
#include "support/wait.h"

namespace {

// A client connected to a listening test server, with the server's end of the connection.
struct Loopback {
    QTcpServer server;
    StationData data;
    StationClient client{data};
    QTcpSocket* peer = nullptr;

    bool connect() {
        if (!server.listen(QHostAddress::LocalHost, 0))
            return false;
        client.setAddress(QStringLiteral("127.0.0.1"));
        client.setPort(server.serverPort());
        client.open();
        if (!server.waitForNewConnection(10000))
            return false;
        peer = server.nextPendingConnection();
        return peer != nullptr && waitUntil([&] { return client.isConnected(); });
    }
    // Reads from the server's end until n bytes have come.
    QByteArray receive(qsizetype n) {
        QByteArray got;
        while (got.size() < n && peer->waitForReadyRead(10000))
            got += peer->readAll();
        return got;
    }
    void send(const QByteArray& bytes) {
        peer->write(bytes);
        peer->flush();
    }
};

WeatherRecord windyWinterRecord() {
    StationModel model(11, QDateTime(QDate(2024, 1, 15), QTime(5, 0)));
    WeatherRecord r = model.record();
    r.Wind.GustSpeed = 156;
    r.Wind.GustDir = 227;
    r.Windchill.Current = -7;
    r.Console.BatteryLow = true;
    return r;
}

}  // namespace

TEST(StationClientTest, RequestsFollowTheSecondsCounter) {
    using V = std::vector<std::uint8_t>;
    EXPECT_EQ(StationClient::requestsAt(21), (V{0x8F, 0x9F}));
    EXPECT_EQ(StationClient::requestsAt(0), (V{0x8F, 0x9F, 0xAF, 0xBF, 0xCF}));
    EXPECT_EQ(StationClient::requestsAt(1), V{});
    EXPECT_EQ(StationClient::requestsAt(51), (V{0x8F, 0xCF}));
    EXPECT_EQ(StationClient::requestsAt(26), (V{0xBF}));

    // Per minute of the counter: 20, 9, 6, 5 and 4 requests.
    std::map<std::uint8_t, int> perMinute;
    for (int c = 0; c < 60; ++c)
        for (std::uint8_t g : StationClient::requestsAt(c))
            ++perMinute[g];
    EXPECT_EQ(perMinute[0x8F], 20);
    EXPECT_EQ(perMinute[0x9F], 9);
    EXPECT_EQ(perMinute[0xAF], 6);
    EXPECT_EQ(perMinute[0xBF], 5);
    EXPECT_EQ(perMinute[0xCF], 4);
}

TEST(StationClientTest, GroupRequestSendsOneByteEachWhileConnected) {
    Loopback net;
    net.client.GroupRequest(0);  // not connected: nothing is sent, nothing breaks
    ASSERT_TRUE(net.connect());
    net.client.GroupRequest(21);
    EXPECT_EQ(net.receive(2), QByteArray("\x8F\x9F", 2));
    net.client.GroupRequest(1);
    net.client.GroupRequest(0);
    EXPECT_EQ(net.receive(5), QByteArray("\x8F\x9F\xAF\xBF\xCF", 5));
}

TEST(StationClientTest, PollerCountsDownFrom59AndRequests) {
    Loopback net;
    ASSERT_TRUE(net.connect());
    ClientPoller poller(net.client);
    poller.start();
    EXPECT_EQ(poller.counter(), 59);
    poller.tick();  // 58: nothing due
    EXPECT_EQ(poller.counter(), 58);
    poller.tick();  // 57 = 3 x 19
    EXPECT_EQ(net.receive(1), QByteArray("\x8F", 1));
    for (int i = 0; i < 57; ++i)
        poller.tick();
    EXPECT_EQ(poller.counter(), 0);
    poller.tick();
    EXPECT_EQ(poller.counter(), 59);
    poller.stop();
    // The ticks from 56 down to 0 requested 19 + 9 + 6 + 5 + 4 bytes; 59 requests nothing.
    EXPECT_EQ(net.receive(43).size(), 43);
}

TEST(StationClientTest, MessagesGoIntoTheRecordWithoutGroupSeen) {
    Loopback net;
    ASSERT_TRUE(net.connect());
    QSignalSpy handled(&net.client, &StationClient::messageHandled);
    const WeatherRecord sent = windyWinterRecord();

    net.send(encodeGroup(0xCF, sent));
    ASSERT_TRUE(waitUntil([&] { return handled.count() == 1; }));
    EXPECT_EQ(handled[0][0].value<std::uint8_t>(), 0xCF);
    EXPECT_EQ(net.data.Record.Wind.GustSpeed, 156);
    EXPECT_EQ(net.data.Record.Wind.GustDir, 227);
    EXPECT_EQ(net.data.Record.Windchill.Current, -7);
    EXPECT_TRUE(net.data.Record.Console.BatteryLow);
    EXPECT_FALSE(net.data.GroupSeen[4]);

    // A single byte that is no group byte only refreshes.
    net.send(QByteArray("A"));
    ASSERT_TRUE(waitUntil([&] { return handled.count() == 2; }));
    EXPECT_EQ(handled[1][0].value<std::uint8_t>(), 0);

    // The first rain message is the reference of the day's rain, as on the serial road.
    net.send(encodeGroup(0xBF, sent));
    ASSERT_TRUE(waitUntil([&] { return handled.count() == 3; }));
    EXPECT_TRUE(net.data.RainReferenceTaken);
    EXPECT_EQ(net.data.RainReference, sent.Rain.Total);
}

TEST(StationClientTest, ShortMessageIsCompletedByTheNextRead) {
    Loopback net;
    ASSERT_TRUE(net.connect());
    QSignalSpy handled(&net.client, &StationClient::messageHandled);
    const WeatherRecord sent = windyWinterRecord();
    const QByteArray message = encodeGroup(0x9F, sent);

    net.send(message.left(12));
    ASSERT_TRUE(waitUntil([&] { return net.client.messagePending(); }));
    EXPECT_EQ(handled.count(), 0);
    EXPECT_EQ(net.data.Record.OutdoorTemp.Current, 0);  // nothing decoded from missing bytes

    net.send(message.mid(12));
    ASSERT_TRUE(waitUntil([&] { return handled.count() == 1; }));
    EXPECT_EQ(net.data.Record.OutdoorTemp.Current, sent.OutdoorTemp.Current);
    EXPECT_EQ(net.data.Record.IndoorTemp.Current, sent.IndoorTemp.Current);
    EXPECT_FALSE(net.client.messagePending());
}

TEST(StationClientTest, ServerThatDropsTheConnectionIsReported) {
    RecordingNotifier notifier;
    ScopedNotifier scope(notifier);
    Loopback net;
    ASSERT_TRUE(net.connect());
    QSignalSpy lost(&net.client, &StationClient::connectionLost);

    net.peer->close();
    ASSERT_TRUE(waitUntil([&] { return lost.count() == 1; }));
    EXPECT_FALSE(net.client.isActive());
    ASSERT_TRUE(waitUntil([&] { return notifier.messages.size() == 1u; }));
    EXPECT_EQ(notifier.messages[0].text,
              QStringLiteral("Windows-Socket-Fehler: %1 (%2), auf API 'recv'")
                  .arg(QString::fromLocal8Bit(std::strerror(ECONNRESET)))
                  .arg(ECONNRESET));

    net.client.GroupRequest(0);  // closed: requests are not sent
    EXPECT_FALSE(net.client.isActive());
}

TEST(StationClientTest, UnreachableServerIsReportedAsConnectError) {
    RecordingNotifier notifier;
    ScopedNotifier scope(notifier);
    quint16 freePort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        freePort = probe.serverPort();
    }
    StationData data;
    StationClient client(data);
    client.setPort(freePort);
    QSignalSpy lost(&client, &StationClient::connectionLost);
    client.open();
    ASSERT_TRUE(waitUntil([&] { return lost.count() == 1; }));
    ASSERT_TRUE(waitUntil([&] { return notifier.messages.size() == 1u; }));
    EXPECT_EQ(notifier.messages[0].text,
              QStringLiteral("Windows-Socket-Fehler: %1 (%2), auf API 'connect'")
                  .arg(QString::fromLocal8Bit(std::strerror(ECONNREFUSED)))
                  .arg(ECONNREFUSED));
}

TEST(StationClientTest, ShutdownSaysDisconnectButCloseSaysNothing) {
    RecordingNotifier notifier;
    ScopedNotifier scope(notifier);
    {
        Loopback net;
        ASSERT_TRUE(net.connect());
        net.client.disconnectFromServer();
        EXPECT_FALSE(net.client.isActive());
        EXPECT_EQ(net.receive(11), QByteArrayLiteral("-Disconnect"));
        ASSERT_TRUE(
            waitUntil([&] { return net.peer->state() == QAbstractSocket::UnconnectedState; }));
    }
    {
        Loopback net;
        ASSERT_TRUE(net.connect());
        QSignalSpy lost(&net.client, &StationClient::connectionLost);
        net.client.close();
        EXPECT_FALSE(net.client.isActive());
        ASSERT_TRUE(
            waitUntil([&] { return net.peer->state() == QAbstractSocket::UnconnectedState; }));
        EXPECT_TRUE(net.peer->readAll().isEmpty());
        EXPECT_EQ(lost.count(), 0);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(notifier.messages.empty());  // closing on purpose is not an error
}
