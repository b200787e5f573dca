// The client road (the main window's ClientSocket1): a TCP connection to a station server, which is
// asked for groups by one-byte requests and answers with group byte + body. Every message read is
// decoded straight into the record, without checksum test and without marking the group as seen.
// A server that keeps answering with the groups of a station gone silent is caught by the clock
// group: while the station's time has not moved for two minutes, no message is taken (so the
// silence rule of the reconnect applies), until the clock moves again.
#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

#include "station/tcp_message_assembler.h"
#include "station/weather_record.h"

class QTcpSocket;

class StationClient : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kDefaultAddress = "127.0.0.1";
    static constexpr quint16 kDefaultPort = 6980;
    static constexpr std::int64_t kStoppedClockMs = 2 * 60 * 1000;

    explicit StationClient(StationData& data, QObject* parent = nullptr);

    QString address() const { return address_; }
    void setAddress(const QString& address) { address_ = address; }
    quint16 port() const { return port_; }
    void setPort(quint16 port) { port_ = port; }

    // Connects to the server (in the background; errors arrive through the general error
    // handler). Does nothing while a connection is open or being made.
    void open();
    // Whether connection errors go to the general error handler (off while a lost server is
    // being tried again: the user has heard of it once).
    void setErrorsReported(bool on) { reportErrors_ = on; }
    // Ends the connection without sending anything.
    void close();
    // At program shut-down: sends "-Disconnect" when connected, then ends the connection.
    void disconnectFromServer();

    bool isConnected() const;
    // Connecting or connected.
    bool isActive() const;
    // A message that has begun but is not yet complete waits for the next read.
    bool messagePending() const { return assembler_.pending(); }
    // The station's clock has stood still for kStoppedClockMs: messages are not taken.
    bool stale() const { return stale_; }

    // The group bytes requested at this value of the seconds counter, in sending order: each group
    // whose poll period (GroupInfo::pollEvery) divides the counter (all five at 0).
    static std::vector<std::uint8_t> requestsAt(int counter);
    // Sends the requests for this counter value, one single-byte send each; only while connected.
    void GroupRequest(int counter);

public slots:
    // Takes everything that has arrived as one read and dispatches each message it completes.
    void ClientSocket1Read();

signals:
    // After every message taken from the server: the group byte whose decoder ran, or 0 when the
    // message selected no decoder. The display refresh hangs here.
    void messageHandled(std::uint8_t decodedGroup);
    void connected();
    // The connection ended without being closed here (server gone, network error); the error has
    // been reported.
    void connectionLost();

private:
    void onError(QAbstractSocket::SocketError error);
    void onStateChanged(QAbstractSocket::SocketState state);
    // Notes the clock of a 0x8F message; true while the station's time stands still too long.
    bool clockStopped(const QByteArray& message);

    StationData& data_;
    QTcpSocket* socket_;
    TcpMessageAssembler assembler_;
    QString address_ = QString::fromLatin1(kDefaultAddress);
    quint16 port_ = kDefaultPort;
    bool wasConnected_ = false;  // the current connection got past connecting
    bool closing_ = false;       // a close asked for here, not a loss
    bool reportErrors_ = true;
    // The station time of the last clock group and when it last moved; kept across connections,
    // so that reconnecting to a server that serves old groups does not take them as new.
    QByteArray clockBytes_;
    std::int64_t clockMovedMs_ = 0;
    bool stale_ = false;
};
