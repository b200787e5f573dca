// The TCP side of the station server: keeps the last good body of each group kind and answers
// every one-byte request 0x8F, 0x9F, 0xAF, 0xBF or 0xCF with group byte + body (nothing while
// that kind has not arrived). A client that sends "-Disconnect" or anything else is closed, and so
// is one that leaves more than 64 KiB of answers unread.
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

class StationServer : public QObject {
    Q_OBJECT
public:
    explicit StationServer(QObject* parent = nullptr);

    // Starts listening; port 0 picks a free port. On failure returns false with a German reason.
    bool listen(const QHostAddress& address, quint16 port, QString* error);
    QHostAddress address() const;
    quint16 port() const;

    // Keeps a group body (checksum last) as the answer for its group byte.
    void setGroup(std::uint8_t groupByte, const QByteArray& body);
    bool hasGroup(std::uint8_t groupByte) const;
    int clientCount() const { return int(clients_.size()); }

signals:
    // A line for the server's log (client connected, closed, protocol errors).
    void logLine(const QString& line);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* client);
    void onGone(QTcpSocket* client);
    // Logs the reason (with the client's address) once and closes the connection; with dropAnswers
    // at once, without waiting for unsent answers.
    void closeClient(QTcpSocket* client, const QString& reason, bool dropAnswers = false);

    QTcpServer* server_;
    std::array<QByteArray, 5> bodies_;
    struct Client {
        QString name;     // address:port, kept for the log after the peer has gone
        QByteArray rest;  // the start of an unfinished "-Disconnect"
    };
    QHash<QTcpSocket*, Client> clients_;
};
