#include "station/station_client.h"

#include <QTcpSocket>
#include <cerrno>
#include <cstring>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "station/group_table.h"
#include "station/tcp_dispatch.h"

namespace {

// The system error number behind a socket error, or 0 when there is none to name.
int systemErrorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return ECONNREFUSED;
        case QAbstractSocket::RemoteHostClosedError:
            return ECONNRESET;
        case QAbstractSocket::HostNotFoundError:
            return EHOSTUNREACH;
        case QAbstractSocket::SocketTimeoutError:
            return ETIMEDOUT;
        case QAbstractSocket::NetworkError:
            return ENETUNREACH;
        case QAbstractSocket::SocketAccessError:
            return EACCES;
        case QAbstractSocket::SocketResourceError:
            return EMFILE;
        default:
            return 0;
    }
}

}  // namespace

StationClient::StationClient(StationData& data, QObject* parent)
    : QObject(parent), data_(data), socket_(new QTcpSocket(this)) {
    connect(socket_, &QTcpSocket::readyRead, this, &StationClient::ClientSocket1Read);
    connect(socket_, &QTcpSocket::errorOccurred, this, &StationClient::onError);
    connect(socket_, &QTcpSocket::stateChanged, this, &StationClient::onStateChanged);
}

bool StationClient::isConnected() const {
    return socket_->state() == QAbstractSocket::ConnectedState;
}

bool StationClient::isActive() const {
    return socket_->state() != QAbstractSocket::UnconnectedState;
}

void StationClient::open() {
    if (isActive())
        return;
    assembler_ = TcpMessageAssembler{};
    wasConnected_ = false;
    closing_ = false;
    socket_->connectToHost(address_, port_);
}

void StationClient::close() {
    if (!isActive())
        return;
    closing_ = true;
    socket_->abort();
}

void StationClient::disconnectFromServer() {
    if (isConnected()) {
        socket_->write("-Disconnect", 11);
        socket_->flush();
        if (socket_->bytesToWrite() > 0)
            socket_->waitForBytesWritten(1000);
    }
    if (!isActive())
        return;
    closing_ = true;
    socket_->disconnectFromHost();
    if (socket_->state() != QAbstractSocket::UnconnectedState)
        socket_->waitForDisconnected(1000);
    socket_->abort();
}

std::vector<std::uint8_t> StationClient::requestsAt(int counter) {
    std::vector<std::uint8_t> requests;
    for (const GroupInfo& group : kGroups)
        if (counter % group.pollEvery == 0)
            requests.push_back(group.groupByte);
    return requests;
}

void StationClient::GroupRequest(int counter) {
    if (!isConnected())
        return;
    for (std::uint8_t request : requestsAt(counter)) {
        const char byte = char(request);
        socket_->write(&byte, 1);
        socket_->flush();  // a send of its own for each request
    }
}

void StationClient::ClientSocket1Read() {
    const QByteArray read = socket_->readAll();
    if (read.isEmpty())
        return;
    for (const QByteArray& message : assembler_.feed(read)) {
        if (clockStopped(message))
            continue;
        emit messageHandled(DispatchTcpMessage(message, data_));
    }
}

bool StationClient::clockStopped(const QByteArray& message) {
    // Second, minute, hour, day and month: the first five body bytes of the clock group.
    constexpr qsizetype kClockBytes = 5;
    if (message.size() > kClockBytes && std::uint8_t(message.front()) == 0x8F) {
        const std::int64_t now = AppClock::currentDateTime().toMSecsSinceEpoch();
        const QByteArray clock = message.mid(1, kClockBytes);
        if (clock != clockBytes_) {
            clockBytes_ = clock;
            clockMovedMs_ = now;
            stale_ = false;
        } else if (now - clockMovedMs_ >= kStoppedClockMs) {
            stale_ = true;
        }
    }
    return stale_;
}

void StationClient::onError(QAbstractSocket::SocketError error) {
    if (closing_ || !reportErrors_)
        return;
    const int number = systemErrorNumber(error);
    const QString text =
        number != 0 ? QStringLiteral("Windows-Socket-Fehler: %1 (%2), auf API '%3'")
                          .arg(QString::fromLocal8Bit(std::strerror(number)))
                          .arg(number)
                          .arg(wasConnected_ ? QStringLiteral("recv") : QStringLiteral("connect"))
                    : QStringLiteral("Asynchroner Socket-Fehler %1").arg(int(error));
    // Reported once the socket has finished its own handling: a modal box must not run inside it.
    QMetaObject::invokeMethod(
        this, [text] { reportError(text); }, Qt::QueuedConnection);
}

void StationClient::onStateChanged(QAbstractSocket::SocketState state) {
    if (state == QAbstractSocket::ConnectedState) {
        wasConnected_ = true;
        emit connected();
    } else if (state == QAbstractSocket::UnconnectedState) {
        const bool lost = !closing_;
        closing_ = false;
        if (lost)
            emit connectionLost();
    }
}
