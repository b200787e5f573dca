#include "station_server.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "base/app_clock.h"
#include "station/group_table.h"

namespace {
const QByteArray kDisconnect = QByteArrayLiteral("-Disconnect");
// Answers a client may leave unread before it is dropped; a client that asks and never reads
// would otherwise grow the server without limit.
constexpr qint64 kMaxUnreadAnswers = 64 * 1024;
// After the process ran out of descriptors, accepting is tried again this much later: the
// connection waiting in the backlog would otherwise wake the server at once, over and over.
constexpr int kResumeMs = 1000;

std::int64_t nowMs() {
    return AppClock::currentDateTime().toMSecsSinceEpoch();
}
}  // namespace

StationServer::StationServer(QObject* parent)
    : QObject(parent), server_(new QTcpServer(this)), resume_(new QTimer(this)) {
    connect(server_, &QTcpServer::newConnection, this, &StationServer::onNewConnection);
    connect(server_, &QTcpServer::acceptError, this, &StationServer::onAcceptError);
    resume_->setSingleShot(true);
    resume_->setInterval(kResumeMs);
    connect(resume_, &QTimer::timeout, this, &StationServer::resumeAccepting);
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
    const GroupInfo* g = groupFor(groupByte);
    if (!g)
        return;
    bodies_[std::size_t(g->index)] = body;
    arrivedMs_[std::size_t(g->index)] = nowMs();
    if (staleLogged_) {
        staleLogged_ = false;
        emit logLine(QStringLiteral("Die Station sendet wieder."));
    }
}

bool StationServer::hasGroup(std::uint8_t groupByte) const {
    const GroupInfo* g = groupFor(groupByte);
    if (!g || bodies_[std::size_t(g->index)].isEmpty())
        return false;
    const std::int64_t age = nowMs() - arrivedMs_[std::size_t(g->index)];
    return age <= kMaxGroupAgeMs && age >= -kMaxGroupAgeMs;  // a clock set back counts the same
}

void StationServer::onNewConnection() {
    for (;;) {
        if (int(clients_.size()) >= maxClients_) {
            // The rest wait in the backlog until a client goes.
            server_->pauseAccepting();
            if (!limitLogged_) {
                limitLogged_ = true;
                emit logLine(QStringLiteral("Höchstzahl von %1 Clients erreicht; weitere "
                                            "Verbindungen warten.")
                                 .arg(maxClients_));
            }
            return;
        }
        QTcpSocket* client = server_->nextPendingConnection();
        if (!client)
            return;
        // A peer that reset the connection before it was accepted has no address left: it is
        // dropped without a log line.
        if (client->state() != QAbstractSocket::ConnectedState || client->peerAddress().isNull()) {
            client->abort();
            client->deleteLater();
            continue;
        }
        const QString name =
            QStringLiteral("%1:%2").arg(client->peerAddress().toString()).arg(client->peerPort());
        auto* idle = new QTimer(client);
        idle->setSingleShot(true);
        idle->setInterval(idleMs_);
        connect(idle, &QTimer::timeout, this, [this, client] {
            closeClient(client,
                        QStringLiteral("Client seit %1 s still, getrennt: ").arg(idleMs_ / 1000) +
                            QStringLiteral("%1"),
                        true, verbose_);
        });
        idle->start();
        clients_.insert(client, Client{name, {}, idle});
        connect(client, &QTcpSocket::readyRead, this, [this, client] { onReadyRead(client); });
        connect(client, &QTcpSocket::disconnected, this, [this, client] { onGone(client); });
        if (verbose_)
            emit logLine(QStringLiteral("Client verbunden: %1").arg(name));
    }
}

void StationServer::onAcceptError() {
    // Out of descriptors (or another refusal): Qt has stopped accepting; it starts again a little
    // later instead of waking on the waiting connection over and over.
    if (!resourceLogged_) {
        resourceLogged_ = true;
        emit logLine(
            QStringLiteral("Keine Verbindung mehr annehmbar (%1); weitere Verbindungen warten.")
                .arg(server_->errorString()));
    }
    server_->pauseAccepting();
    resume_->start();
}

void StationServer::resumeAccepting() {
    if (int(clients_.size()) >= maxClients_)
        return;
    if (int(clients_.size()) < maxClients_ * 3 / 4)
        limitLogged_ = false;  // the spell at the limit is over
    onNewConnection();         // connections Qt took before it was paused
    if (int(clients_.size()) < maxClients_)
        server_->resumeAccepting();
}

void StationServer::onReadyRead(QTcpSocket* client) {
    const auto it = clients_.find(client);
    if (it == clients_.end())
        return;
    it->idle->start();
    const QByteArray buffer = it->rest + client->readAll();
    qsizetype i = 0;
    while (i < buffer.size()) {
        const auto byte = std::uint8_t(buffer[i]);
        if (const GroupInfo* g = groupFor(byte)) {
            const QByteArray& body = bodies_[std::size_t(g->index)];
            if (hasGroup(byte)) {
                client->write(QByteArray(1, char(byte)) + body);
            } else if (!body.isEmpty() && !staleLogged_) {
                staleLogged_ = true;
                emit logLine(
                    QStringLiteral("Die Station schweigt seit über zwei Minuten; ihre "
                                   "letzten Gruppen werden nicht mehr gesendet."));
            }
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
            closeClient(client, QStringLiteral("Client meldet sich ab: %1"), false, verbose_);
            return;
        }
        if (kDisconnect.startsWith(rest))
            break;  // the rest of "-Disconnect" is still on its way
        closeClient(client, QStringLiteral("Unbekannte Anfrage, Client getrennt: %1"));
        return;
    }
    it->rest = buffer.mid(i);
}

void StationServer::closeClient(QTcpSocket* client, const QString& reason, bool dropAnswers,
                                bool logged) {
    if (logged)
        emit logLine(reason.arg(clients_.value(client).name));
    clients_.remove(client);
    // A free place: connections waiting behind the limit are taken now.
    QMetaObject::invokeMethod(this, &StationServer::resumeAccepting, Qt::QueuedConnection);
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
        if (verbose_)
            emit logLine(QStringLiteral("Client getrennt: %1").arg(it->name));
        clients_.erase(it);
        resumeAccepting();
    }
    client->deleteLater();
}
