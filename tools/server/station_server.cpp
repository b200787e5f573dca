#include "station_server.h"

#include <QTcpServer>
#include <QTcpSocket>

#include "station/group_table.h"

namespace {
const QByteArray kDisconnect = QByteArrayLiteral("-Disconnect");
// Answers a client may leave unread before it is dropped; a client that asks and never reads
// would otherwise grow the server without limit.
constexpr qint64 kMaxUnreadAnswers = 64 * 1024;
}  // namespace

StationServer::StationServer(QObject* parent) : QObject(parent), server_(new QTcpServer(this)) {
    connect(server_, &QTcpServer::newConnection, this, &StationServer::onNewConnection);
}

bool StationServer::listen(const QHostAddress& address, quint16 port, QString* error) {
    if (server_->listen(address, port))
        return true;
    *error = QStringLiteral("Kann nicht auf %1:%2 lauschen: %3")
                 .arg(address.toString())
                 .arg(port)
                 .arg(server_->errorString());
    return false;
}

QHostAddress StationServer::address() const {
    return server_->serverAddress();
}
quint16 StationServer::port() const {
    return server_->serverPort();
}

void StationServer::setGroup(std::uint8_t groupByte, const QByteArray& body) {
    if (const GroupInfo* g = groupFor(groupByte))
        bodies_[std::size_t(g->index)] = body;
}

bool StationServer::hasGroup(std::uint8_t groupByte) const {
    const GroupInfo* g = groupFor(groupByte);
    return g && !bodies_[std::size_t(g->index)].isEmpty();
}

void StationServer::onNewConnection() {
    while (QTcpSocket* client = server_->nextPendingConnection()) {
        // A peer that reset the connection before it was accepted has no address left: it is
        // dropped without a log line.
        if (client->state() != QAbstractSocket::ConnectedState || client->peerAddress().isNull()) {
            client->abort();
            client->deleteLater();
            continue;
        }
        const QString name =
            QStringLiteral("%1:%2").arg(client->peerAddress().toString()).arg(client->peerPort());
        clients_.insert(client, Client{name, {}});
        connect(client, &QTcpSocket::readyRead, this, [this, client] { onReadyRead(client); });
        connect(client, &QTcpSocket::disconnected, this, [this, client] { onGone(client); });
        emit logLine(QStringLiteral("Client verbunden: %1").arg(name));
    }
}

void StationServer::onReadyRead(QTcpSocket* client) {
    const auto it = clients_.find(client);
    if (it == clients_.end())
        return;
    const QByteArray buffer = it->rest + client->readAll();
    qsizetype i = 0;
    while (i < buffer.size()) {
        const auto byte = std::uint8_t(buffer[i]);
        if (const GroupInfo* g = groupFor(byte)) {
            const QByteArray& body = bodies_[std::size_t(g->index)];
            if (!body.isEmpty())
                client->write(QByteArray(1, char(byte)) + body);
            if (client->bytesToWrite() > kMaxUnreadAnswers) {
                closeClient(client,
                            QStringLiteral("Client liest seine Antworten nicht, getrennt: %1"),
                            true);
                return;
            }
            ++i;
            continue;
        }
        const QByteArray rest = buffer.mid(i);
        if (rest.startsWith(kDisconnect)) {
            closeClient(client, QStringLiteral("Client meldet sich ab: %1"));
            return;
        }
        if (kDisconnect.startsWith(rest))
            break;  // the rest of "-Disconnect" is still on its way
        closeClient(client, QStringLiteral("Unbekannte Anfrage, Client getrennt: %1"));
        return;
    }
    it->rest = buffer.mid(i);
}

void StationServer::closeClient(QTcpSocket* client, const QString& reason, bool dropAnswers) {
    emit logLine(reason.arg(clients_.value(client).name));
    clients_.remove(client);
    // A client that does not read would never take the rest: its answers are thrown away.
    if (dropAnswers)
        client->abort();
    else
        client->disconnectFromHost();
    if (client->state() == QAbstractSocket::UnconnectedState)
        client->deleteLater();
}

void StationServer::onGone(QTcpSocket* client) {
    const auto it = clients_.find(client);
    if (it != clients_.end()) {
        emit logLine(QStringLiteral("Client getrennt: %1").arg(it->name));
        clients_.erase(it);
    }
    client->deleteLater();
}
