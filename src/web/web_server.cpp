#include "web/web_server.h"

#include <QFile>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QtHttpServer/QHttpServerRequest>
#include <QtHttpServer/QHttpServerResponder>

#include "base/notifier.h"

namespace {

using Status = QHttpServerResponder::StatusCode;

const QByteArray kJson = QByteArrayLiteral("application/json; charset=utf-8");

// The page's files: request path, resource, content type. Nothing else is ever served from a
// file, so no request reaches the file system.
struct PageFile {
    const char* path;
    const char* resource;
    const char* type;
};
constexpr PageFile kPageFiles[] = {
    {"/", ":/web/index.html", "text/html; charset=utf-8"},
    {"/app.js", ":/web/app.js", "text/javascript; charset=utf-8"},
    {"/app.css", ":/web/app.css", "text/css; charset=utf-8"},
    {"/chart.js", kChartLibraryPath, "text/javascript; charset=utf-8"},
};

QByteArray errorBody(const QString& text) {
    return WebApi::badRequest(text).body;
}

}  // namespace

void GuardedTcpServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    if (owner_.openConnections() >= WebServer::kMostConnections) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    // Our handlers first, so the limits are checked before the request parser reads.
    owner_.adopt(socket);
    addPendingConnection(socket);
}

bool WebFront::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    return owner_.handle(request, socket);
}

void WebFront::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket)
        .write(errorBody(QStringLiteral("Nicht gefunden.")), {{"Content-Type", kJson}},
               Status::NotFound);
}

WebServer::WebServer(const StationData& data, const Settings& settings, QObject* parent)
    : QObject(parent), data_(data), settings_(settings), api_(data, settings) {
    gather_.setSingleShot(true);
    gather_.setInterval(kLiveGatherMs);
    connect(&gather_, &QTimer::timeout, this, &WebServer::pushLive);
    beat_.setInterval(kLiveBeatMs);
    connect(&beat_, &QTimer::timeout, this, &WebServer::pushLive);
}

WebServer::~WebServer() {
    stop();
    closing_.reset();
}

void WebServer::loadFiles() {
    if (!files_.isEmpty())
        return;
    for (const PageFile& f : kPageFiles) {
        QFile file(QString::fromLatin1(f.resource));
        if (file.open(QIODevice::ReadOnly))
            files_.insert(QString::fromLatin1(f.path), {QByteArray(f.type), file.readAll()});
    }
}

void WebServer::apply() {
    const QHostAddress address(settings_.WebAdresse.trimmed());
    const quint16 port = quint16(settings_.WebPort);
    if (!settings_.WebAktiv) {
        stop();
        return;
    }
    if (isRunning() && listeningOn_ == settings_.WebAdresse.trimmed() && listeningPort_ == port)
        return;
    stop();
    if (address.isNull()) {
        notify(QStringLiteral("Webseite"),
               QStringLiteral("„%1“ ist keine gültige Adresse. Das Programm läuft ohne "
                              "Webseite weiter.")
                   .arg(settings_.WebAdresse));
        return;
    }
    loadFiles();
    front_ = std::make_unique<WebFront>(*this);
    auto* tcp = new GuardedTcpServer(*this);
    if (!tcp->listen(address, port)) {
        const bool inUse = tcp->serverError() == QAbstractSocket::AddressInUseError;
        const QString where = QStringLiteral("%1 Port %2").arg(address.toString()).arg(port);
        notify(
            QStringLiteral("Webseite"),
            (inUse
                 ? QStringLiteral("Der Port %1 ist schon belegt (%2).").arg(port).arg(where)
                 : QStringLiteral("Die Webseite kann auf %1 nicht angeboten werden.").arg(where)) +
                QStringLiteral(" Das Programm läuft ohne Webseite weiter."),
            MessageButtons::Ok, tcp->errorString());
        delete tcp;
        front_.reset();
        emit runningChanged();
        return;
    }
    front_->bind(tcp);
    tcp_ = tcp;
    listeningOn_ = settings_.WebAdresse.trimmed();
    listeningPort_ = tcp->serverPort();
    beat_.start();
    emit runningChanged();
}

void WebServer::stop() {
    if (!front_)
        return;
    gather_.stop();
    beat_.stop();
    live_.clear();
    if (tcp_) {
        tcp_->close();
        for (QTcpSocket* socket : guards_.keys())
            socket->abort();
    }
    guards_.clear();
    tcp_ = nullptr;
    // Perhaps called from one of its sockets' handlers: the old front goes at the next turn.
    closing_ = std::move(front_);
    QTimer::singleShot(0, this, [this] { closing_.reset(); });
    emit runningChanged();
}

quint16 WebServer::port() const {
    return tcp_ ? tcp_->serverPort() : 0;
}

QUrl WebServer::pageUrl() const {
    if (!tcp_)
        return {};
    QHostAddress host = tcp_->serverAddress();
    if (host == QHostAddress::AnyIPv4 || host == QHostAddress::Any ||
        host == QHostAddress::AnyIPv6) {
        host = QHostAddress::LocalHost;
        for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
            if (!a.isLoopback() && a.protocol() == QAbstractSocket::IPv4Protocol) {
                host = a;
                break;
            }
        }
    }
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host.toString());
    url.setPort(tcp_->serverPort());
    url.setPath(QStringLiteral("/"));
    return url;
}

QString WebServer::statusText() const {
    return tcp_ ? QStringLiteral("Webseite: ") + pageUrl().toString() : QString();
}

void WebServer::adopt(QTcpSocket* socket) {
    Guard guard;
    guard.idle = new QTimer(socket);
    guard.idle->setSingleShot(true);
    guard.idle->setInterval(kIdleMs);
    connect(guard.idle, &QTimer::timeout, socket, &QTcpSocket::abort);
    guard.idle->start();
    guards_.insert(socket, guard);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { received(socket); });
    connect(socket, &QTcpSocket::bytesWritten, guard.idle, qOverload<>(&QTimer::start));
    connect(socket, &QObject::destroyed, this, [this, socket] {
        guards_.remove(socket);
        live_.removeAll(nullptr);
    });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

void WebServer::received(QTcpSocket* socket) {
    auto it = guards_.find(socket);
    if (it == guards_.end())
        return;
    if (it->refused) {
        socket->read(socket->bytesAvailable());
        return;
    }
    it->idle->start();
    // The parser reads everything at each turn, so what is there now is new.
    it->headBytes += socket->bytesAvailable();
    if (it->headBytes > kMostRequestBytes)
        refuse(socket, "431 Request Header Fields Too Large");
}

void WebServer::refuse(QTcpSocket* socket, const QByteArray& status) {
    guards_[socket].refused = true;
    // The parser hears nothing more of this connection.
    disconnect(socket, &QTcpSocket::readyRead, front_.get(), nullptr);
    const QByteArray body = errorBody(QStringLiteral("Die Anfrage ist zu groß."));
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + kJson + "\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    socket->read(socket->bytesAvailable());
    socket->disconnectFromHost();
}

bool WebServer::handle(const QHttpServerRequest& request, QTcpSocket* socket) {
    auto it = guards_.find(socket);
    if (it == guards_.end() || it->refused)
        return true;
    it->headBytes = 0;
    QHttpServerResponder responder = WebFront::responderFor(request, socket);
    if (request.method() != QHttpServerRequest::Method::Get) {
        responder.write(errorBody(QStringLiteral("Nur GET ist erlaubt.")),
                        {{"Content-Type", kJson}, {"Allow", "GET"}}, Status::MethodNotAllowed);
        return true;
    }
    const QString path = request.url().path();
    if (path == QLatin1String("/api/events")) {
        startLive(socket);
        return true;
    }
    if (const std::optional<WebReply> reply = api_.answer(path, request.query())) {
        responder.write(reply->body, {{"Content-Type", kJson}, {"Cache-Control", "no-store"}},
                        Status(reply->status));
        return true;
    }
    const auto file = files_.constFind(path);
    if (file != files_.constEnd()) {
        responder.write(file->second, {{"Content-Type", file->first},
                                       {"Cache-Control", path == QLatin1String("/chart.js")
                                                             ? QByteArray("max-age=86400")
                                                             : QByteArray("no-cache")}});
        return true;
    }
    responder.write(errorBody(QStringLiteral("Nicht gefunden.")), {{"Content-Type", kJson}},
                    Status::NotFound);
    return true;
}

void WebServer::startLive(QTcpSocket* socket) {
    // The response never ends: a head without a length, then one event per update. The browser's
    // EventSource connects anew by itself after the program restarts ("retry").
    socket->write(
        "HTTP/1.1 200 OK\r\nContent-Type: text/event-stream; charset=utf-8\r\n"
        "Cache-Control: no-store\r\nConnection: keep-alive\r\n\r\nretry: 2000\n\ndata: " +
        api_.current() + "\n\n");
    live_.append(socket);
}

void WebServer::dataRefreshed() {
    if (!live_.isEmpty() && !gather_.isActive())
        gather_.start();
}

void WebServer::pushLive() {
    live_.removeAll(nullptr);
    if (live_.isEmpty())
        return;
    const QByteArray event = "data: " + api_.current() + "\n\n";
    const QList<QPointer<QTcpSocket>> pages = live_;
    for (const QPointer<QTcpSocket>& socket : pages) {
        if (!socket)
            continue;
        if (socket->bytesToWrite() > kMostUnsent) {
            socket->abort();
            continue;
        }
        socket->write(event);
    }
    emit livePushed();
}
