// The program's own web page: a small HTTP server (Qt HttpServer) in the core, so the desktop and
// the headless program both serve it while [Web] says "WebAktiv". It serves the page's own files
// (Qt resources), the chart library from its Debian package and the JSON interface (WebApi), and
// sends each open page the current values as Server-Sent Events ("/api/events") as groups arrive.
// Read-only: only GET is answered, and no part of a request's path ever reaches the file system.
// A slow or hostile client cannot hold the station road up: at most kMostConnections at once, a
// request's head at most kMostRequestBytes, a connection idle for kIdleMs is closed, and a live
// page that does not read its events is dropped.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>
#include <QtHttpServer/QAbstractHttpServer>
#include <QtHttpServer/QHttpServerResponder>
#include <memory>

#include "config/settings.h"
#include "station/weather_record.h"
#include "web/web_api.h"

class QTcpSocket;
class WebServer;

// Where the chart library of Debian's libjs-chart.js lies.
inline constexpr const char* kChartLibraryPath = "/usr/share/javascript/chart.js/chart.min.js";

// The listening socket: hands each connection on to the HTTP server with its limits already in
// place (the count, the size of the request head, the idle time).
class GuardedTcpServer : public QTcpServer {
    Q_OBJECT
public:
    explicit GuardedTcpServer(WebServer& owner) : owner_(owner) {}

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    WebServer& owner_;
};

// The HTTP side: Qt's request parser and responder, our routes.
class WebFront : public QAbstractHttpServer {
    Q_OBJECT
public:
    explicit WebFront(WebServer& owner) : owner_(owner) {}

    static QHttpServerResponder responderFor(const QHttpServerRequest& request,
                                             QTcpSocket* socket) {
        return makeResponder(request, socket);
    }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    WebServer& owner_;
};

class WebServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kMostConnections = 64;
    static constexpr qint64 kMostRequestBytes = 8 * 1024;
    static constexpr int kIdleMs = 30 * 1000;
    // Live pages hear the current values at most this often, and at least every kLiveBeatMs.
    static constexpr int kLiveGatherMs = 500;
    static constexpr int kLiveBeatMs = 15 * 1000;
    // A live page that leaves this much unread is dropped.
    static constexpr qint64 kMostUnsent = 256 * 1024;

    WebServer(const StationData& data, const Settings& settings, QObject* parent = nullptr);
    ~WebServer() override;

    // Takes the [Web] settings as they stand: starts, starts anew on another address or port, or
    // stops. An address that cannot be served (a port in use, an address not of this machine) is
    // told in German and the program goes on without the page.
    void apply();
    void stop();

    bool isRunning() const { return tcp_ != nullptr; }
    quint16 port() const;
    // The page's address for a browser ("http://127.0.0.1:8080/"); for all addresses one of the
    // machine's own. Empty while the server does not run.
    QUrl pageUrl() const;
    // "Webseite: http://..." while it runs; empty otherwise.
    QString statusText() const;
    int openConnections() const { return int(guards_.size()); }
    int livePages() const { return int(live_.size()); }

    // A group has arrived: the live pages hear of it (gathered, at most every kLiveGatherMs).
    void dataRefreshed();

signals:
    void runningChanged();
    // The live pages have been sent the current values.
    void livePushed();

private:
    friend class GuardedTcpServer;
    friend class WebFront;

    struct Guard {
        qint64 headBytes = 0;  // received since the last request was handled
        bool refused = false;
        QTimer* idle = nullptr;
    };

    void adopt(QTcpSocket* socket);
    void received(QTcpSocket* socket);
    void refuse(QTcpSocket* socket, const QByteArray& status);
    bool handle(const QHttpServerRequest& request, QTcpSocket* socket);
    void startLive(QTcpSocket* socket);
    void pushLive();
    void loadFiles();

    const StationData& data_;
    const Settings& settings_;
    WebApi api_;
    std::unique_ptr<WebFront> front_;
    std::unique_ptr<WebFront> closing_;  // stopped, deleted at the next turn of the event loop
    GuardedTcpServer* tcp_ = nullptr;    // owned by front_
    QHash<QTcpSocket*, Guard> guards_;
    QList<QPointer<QTcpSocket>> live_;
    QTimer gather_;
    QTimer beat_;
    QHash<QString, std::pair<QByteArray, QByteArray>> files_;  // path: content type, bytes
    QString listeningOn_;
    quint16 listeningPort_ = 0;
};
