// One connection to an MQTT broker through libmosquitto, driven by the Qt event loop: its socket
// is watched by QSocketNotifier and a one-second timer keeps the connection alive, so the
// user-interface thread never waits on the network. The host name is looked up asynchronously
// first. Each open() is one attempt: it ends in connected() or failed(); a connection that goes
// away later ends in failed() too. Retrying is the owner's business.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;
struct mosquitto;
struct mosquitto_message;

struct MqttConnectOptions {
    QString host;
    int port = 1883;
    QString user;
    QString password;
    bool tls = false;
    QString caFile;  // empty: the system's certificates
    // The will the broker publishes, retained, when the connection ends without a goodbye; no
    // will when the topic is empty.
    QString willTopic;
    QByteArray willPayload;
    bool operator==(const MqttConnectOptions&) const = default;
};

class MqttClient : public QObject {
    Q_OBJECT
public:
    explicit MqttClient(QObject* parent = nullptr);
    ~MqttClient() override;
    MqttClient(const MqttClient&) = delete;
    MqttClient& operator=(const MqttClient&) = delete;

    // Starts one attempt to connect (an open connection is dropped first).
    void open(const MqttConnectOptions& options);
    // Ends the connection in order: what is queued (a last publish) and the goodbye are written,
    // waiting at most `flushMs` for the socket; the broker then sends no will. Also stops an
    // attempt in progress.
    void close(int flushMs = 1000);

    bool isConnected() const { return connected_; }

    // Publishes (QoS 0) while connected; false otherwise.
    bool publish(const QString& topic, const QByteArray& payload, bool retain);
    bool subscribe(const QString& topic);

signals:
    void connected();
    // The attempt failed or the connection went away; the reason in German.
    void failed(const QString& reason);
    void messageReceived(const QString& topic, const QByteArray& payload);

private:
    static void onConnect(mosquitto*, void* self, int rc);
    static void onMessage(mosquitto*, void* self, const mosquitto_message* message);

    void hostLookedUp(int lookupId, const QString& address, const QString& error);
    void startWatching();
    void stopWatching();
    // After every call into the library: passes on what its callbacks noted, watches for
    // writability while it has bytes to write, and notices a socket it has closed.
    void afterLoop(int rc);
    void fail(const QString& reason);

    mosquitto* mosq_ = nullptr;
    MqttConnectOptions options_;
    int lookupId_ = -1;
    int socket_ = -1;
    bool connected_ = false;
    int connack_ = -1;  // the broker's answer to the last attempt, -1 while none came
    // Deleted later: a notifier may be the one whose signal is being handled.
    QSocketNotifier* readable_ = nullptr;
    QSocketNotifier* writable_ = nullptr;
    QTimer keepAlive_;
};

// The German reason for a library result (and errno for a system error).
QString mqttErrorText(int rc, int systemError);
// The German reason the broker gives for refusing a connection (CONNACK code).
QString mqttRefusalText(int connack);
