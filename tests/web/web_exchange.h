// One HTTP exchange with the web page's server on loopback, the request's bytes sent as they
// stand (no client library tidies the path).
#pragma once

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>

#include "support/wait.h"

struct Reply {
    int status = 0;
    QByteArray head;
    QByteArray body;
    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
};

// Sends `raw` as it stands (no client library tidies the path) and reads one response.
inline Reply exchange(quint16 port, const QByteArray& raw) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!waitUntil([&] { return socket.state() == QAbstractSocket::ConnectedState; }))
        return {};
    socket.write(raw);
    QByteArray got;
    Reply reply;
    waitUntil([&] {
        got += socket.readAll();
        const qsizetype end = got.indexOf("\r\n\r\n");
        if (end < 0)
            return socket.state() != QAbstractSocket::ConnectedState;
        reply.head = got.left(end);
        const qsizetype at = reply.head.toLower().indexOf("content-length:");
        const qsizetype length =
            at < 0 ? 0 : reply.head.mid(at + 15).split('\r').first().trimmed().toLongLong();
        reply.body = got.mid(end + 4);
        return reply.body.size() >= length;
    });
    reply.status = reply.head.mid(9, 3).toInt();
    return reply;
}

inline Reply get(quint16 port, const QByteArray& target) {
    return exchange(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
}
