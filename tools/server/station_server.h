// The TCP side of the station server: keeps the last good body of each group kind and answers
// every one-byte request 0x8F, 0x9F, 0xAF, 0xBF or 0xCF with group byte + body (nothing while
// that kind has not arrived, or when it came more than two minutes ago: a silent station is not
// served as if it were live, so the client's silence rule applies). A client that sends
// "-Disconnect" or anything else is closed, and so is one that leaves more than 64 KiB of answers
// unread, or that asks for nothing for 30 seconds. The number of clients is limited; when it is
// reached, or the process runs out of descriptors, further connections wait in the backlog.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>

class QTcpServer;
class QTcpSocket;
class QTimer;

class StationServer : public QObject {
    Q_OBJECT
public:
    explicit StationServer(QObject* parent = nullptr);

    // Starts listening; port 0 picks a free port. On failure returns false with a German reason.
    bool listen(const QHostAddress& address, quint16 port, QString* error);
    QHostAddress address() const;
    quint16 port() const;

    static constexpr std::int64_t kMaxGroupAgeMs = 2 * 60 * 1000;
    static constexpr int kIdleMs = 30000;
    static constexpr int kDefaultMaxClients = 100;

    // Keeps a group body (checksum last) as the answer for its group byte, stamped with the
    // application clock's now.
    void setGroup(std::uint8_t groupByte, const QByteArray& body);
    // A body of this kind is kept and young enough to be sent.
    bool hasGroup(std::uint8_t groupByte) const;
    int clientCount() const { return int(clients_.size()); }

    // At most this many clients at once.
    void setMaxClients(int count) { maxClients_ = count; }
    // A client that has sent nothing for this long is closed.
    void setIdleLimit(int ms) { idleMs_ = ms; }
    // Connects and ordinary goodbyes are logged too (off: only faults are logged).
    void setVerbose(bool on) { verbose_ = on; }

signals:
    // A line for the server's log (client connected, closed, protocol errors).
    void logLine(const QString& line);

private:
    void onNewConnection();
    void onAcceptError();
    // Accepting again once a client has gone or descriptors may be free.
    void resumeAccepting();
    void onReadyRead(QTcpSocket* client);
    void onGone(QTcpSocket* client);
    // Logs the reason (with the client's address) once, unless `logged` is false, and closes the
    // connection; with dropAnswers at once, without waiting for unsent answers.
    void closeClient(QTcpSocket* client, const QString& reason, bool dropAnswers = false,
                     bool logged = true);

    QTcpServer* server_;
    std::array<QByteArray, 5> bodies_;
    std::array<std::int64_t, 5> arrivedMs_{};
    bool staleLogged_ = false;  // the stale groups have been told of since the last good group
    struct Client {
        QString name;     // address:port, kept for the log after the peer has gone
        QByteArray rest;  // the start of an unfinished "-Disconnect"
        QTimer* idle = nullptr;
    };
    QHash<QTcpSocket*, Client> clients_;
    int maxClients_ = kDefaultMaxClients;
    int idleMs_ = kIdleMs;
    bool verbose_ = false;
    bool limitLogged_ = false;     // the client limit has been told of during this spell
    bool resourceLogged_ = false;  // running out of descriptors has been told of
    QTimer* resume_ = nullptr;
};
