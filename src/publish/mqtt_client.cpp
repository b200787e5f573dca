#include "publish/mqtt_client.h"

#include <mosquitto.h>
#include <poll.h>

#include <QDeadlineTimer>
#include <QHostInfo>
#include <QSocketNotifier>
#include <cerrno>

#include "base/system_reason.h"

namespace {

constexpr int kKeepAliveSeconds = 60;

void initLibrary() {
    static const bool done = [] {
        mosquitto_lib_init();
        return true;
    }();
    (void)done;
}

// The network's reasons in German; others as the system gives them.
QString networkReason(int error) {
    switch (error) {
        case ECONNREFUSED:
            return QStringLiteral("Verbindung abgewiesen (läuft dort ein Broker?)");
        case ETIMEDOUT:
            return QStringLiteral("Zeitüberschreitung");
        case EHOSTUNREACH:
        case ENETUNREACH:
            return QStringLiteral("Rechner nicht erreichbar");
        case ECONNRESET:
        case EPIPE:
            return QStringLiteral("Verbindung vom Broker getrennt");
        default:
            return germanReason(error);
    }
}

}  // namespace

QString mqttErrorText(int rc, int systemError) {
    switch (rc) {
        case MOSQ_ERR_ERRNO:
            return networkReason(systemError);
        case MOSQ_ERR_CONN_LOST:
            return QStringLiteral("Verbindung verloren");
        case MOSQ_ERR_NO_CONN:
            return QStringLiteral("keine Verbindung");
        case MOSQ_ERR_TLS:
            return QStringLiteral("TLS-Fehler (Zertifikat?)");
        case MOSQ_ERR_PROTOCOL:
            return QStringLiteral("Protokollfehler");
        case MOSQ_ERR_KEEPALIVE:
            return QStringLiteral("keine Antwort des Brokers");
        default:
            return QString::fromUtf8(mosquitto_strerror(rc));
    }
}

QString mqttRefusalText(int connack) {
    switch (connack) {
        case 1:
            return QStringLiteral("der Broker kennt diese Protokollversion nicht");
        case 2:
            return QStringLiteral("der Broker lehnt die Client-Kennung ab");
        case 3:
            return QStringLiteral("der Broker ist nicht bereit");
        case 4:
            return QStringLiteral("Benutzername oder Passwort falsch");
        case 5:
            // What mosquitto answers to a wrong password as well.
            return QStringLiteral(
                "Anmeldung abgelehnt (Benutzername oder Passwort falsch, oder "
                "keine Berechtigung)");
        default:
            return QStringLiteral("Verbindung abgelehnt (Code %1)").arg(connack);
    }
}

MqttClient::MqttClient(QObject* parent) : QObject(parent) {
    initLibrary();
    keepAlive_.setInterval(1000);
    connect(&keepAlive_, &QTimer::timeout, this, [this] {
        if (mosq_)
            afterLoop(mosquitto_loop_misc(mosq_));
    });
}

MqttClient::~MqttClient() {
    stopWatching();
    if (mosq_)
        mosquitto_destroy(mosq_);
}

void MqttClient::open(const MqttConnectOptions& options) {
    stopWatching();
    if (mosq_)
        mosquitto_destroy(mosq_);
    connected_ = false;
    connack_ = -1;
    options_ = options;
    mosq_ = mosquitto_new(nullptr, true, this);
    if (!mosq_) {
        fail(QStringLiteral("kein Speicher"));
        return;
    }
    mosquitto_int_option(mosq_, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_connect_callback_set(mosq_, &MqttClient::onConnect);
    mosquitto_message_callback_set(mosq_, &MqttClient::onMessage);
    if (!options.user.isEmpty()) {
        mosquitto_username_pw_set(
            mosq_, options.user.toUtf8().constData(),
            options.password.isEmpty() ? nullptr : options.password.toUtf8().constData());
    }
    if (!options.willTopic.isEmpty()) {
        const QByteArray topic = options.willTopic.toUtf8();
        mosquitto_will_set(mosq_, topic.constData(), int(options.willPayload.size()),
                           options.willPayload.constData(), 1, true);
    }
    if (options.tls) {
        const int rc = options.caFile.isEmpty()
                           ? mosquitto_int_option(mosq_, MOSQ_OPT_TLS_USE_OS_CERTS, 1)
                           : mosquitto_tls_set(mosq_, options.caFile.toLocal8Bit().constData(),
                                               nullptr, nullptr, nullptr, nullptr);
        if (rc != MOSQ_ERR_SUCCESS) {
            fail(QStringLiteral("Zertifikat %1: %2").arg(options.caFile, mqttErrorText(rc, errno)));
            return;
        }
    }
    // The name is looked up without waiting; the library then connects to the address found.
    lookupId_ = QHostInfo::lookupHost(options.host, this, [this](const QHostInfo& info) {
        const QString address =
            info.addresses().isEmpty() ? QString() : info.addresses().constFirst().toString();
        hostLookedUp(info.lookupId(), address, info.errorString());
    });
}

void MqttClient::hostLookedUp(int lookupId, const QString& address, const QString& error) {
    if (lookupId != lookupId_ || !mosq_)
        return;  // an attempt given up since
    lookupId_ = -1;
    if (address.isEmpty()) {
        fail(QStringLiteral("Rechner %1 nicht gefunden (%2)").arg(options_.host, error));
        return;
    }
    // With TLS the certificate is checked against the name, so the library gets the name (just
    // looked up, so its own lookup finds it at once).
    const QByteArray target = (options_.tls ? options_.host : address).toUtf8();
    const int rc =
        mosquitto_connect_async(mosq_, target.constData(), options_.port, kKeepAliveSeconds);
    if (rc != MOSQ_ERR_SUCCESS) {
        fail(mqttErrorText(rc, errno));
        return;
    }
    startWatching();
    afterLoop(MOSQ_ERR_SUCCESS);
}

void MqttClient::startWatching() {
    socket_ = mosquitto_socket(mosq_);
    if (socket_ < 0)
        return;
    readable_ = new QSocketNotifier(socket_, QSocketNotifier::Read, this);
    writable_ = new QSocketNotifier(socket_, QSocketNotifier::Write, this);
    connect(readable_, &QSocketNotifier::activated, this,
            [this] { afterLoop(mosquitto_loop_read(mosq_, 1)); });
    connect(writable_, &QSocketNotifier::activated, this,
            [this] { afterLoop(mosquitto_loop_write(mosq_, 1)); });
    keepAlive_.start();
}

void MqttClient::stopWatching() {
    lookupId_ = -1;
    for (QSocketNotifier* notifier : {readable_, writable_}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    readable_ = nullptr;
    writable_ = nullptr;
    socket_ = -1;
    keepAlive_.stop();
}

void MqttClient::afterLoop(int rc) {
    const int error = errno;
    if (connack_ > 0) {
        fail(mqttRefusalText(connack_));
        return;
    }
    if (rc != MOSQ_ERR_SUCCESS || !mosq_ || mosquitto_socket(mosq_) != socket_) {
        fail(rc == MOSQ_ERR_SUCCESS ? QStringLiteral("Verbindung verloren")
                                    : mqttErrorText(rc, error));
        return;
    }
    if (writable_)
        writable_->setEnabled(mosquitto_want_write(mosq_));
    if (connack_ == 0 && !connected_) {
        connected_ = true;
        emit connected();
    }
}

void MqttClient::fail(const QString& reason) {
    stopWatching();
    const bool wasAttempt = mosq_ != nullptr;
    connected_ = false;
    connack_ = -1;
    if (mosq_) {
        mosquitto_destroy(mosq_);
        mosq_ = nullptr;
    }
    if (wasAttempt)
        emit failed(reason);
}

void MqttClient::close(int flushMs) {
    if (mosq_ && connected_) {
        mosquitto_disconnect(mosq_);
        // The last messages and the goodbye, written before the program goes on (at shut-down it
        // ends right after): bounded, the socket is non-blocking.
        QDeadlineTimer deadline(flushMs);
        while (mosquitto_want_write(mosq_) && !deadline.hasExpired()) {
            pollfd fd{mosquitto_socket(mosq_), POLLOUT, 0};
            if (fd.fd < 0 || ::poll(&fd, 1, int(deadline.remainingTime())) <= 0)
                break;
            if (mosquitto_loop_write(mosq_, 1) != MOSQ_ERR_SUCCESS)
                break;
        }
    }
    stopWatching();
    connected_ = false;
    connack_ = -1;
    if (mosq_) {
        mosquitto_destroy(mosq_);
        mosq_ = nullptr;
    }
}

bool MqttClient::publish(const QString& topic, const QByteArray& payload, bool retain) {
    if (!mosq_ || !connected_)
        return false;
    const QByteArray t = topic.toUtf8();
    const int rc = mosquitto_publish(mosq_, nullptr, t.constData(), int(payload.size()),
                                     payload.constData(), 0, retain);
    if (writable_)
        writable_->setEnabled(mosquitto_want_write(mosq_));
    return rc == MOSQ_ERR_SUCCESS;
}

bool MqttClient::subscribe(const QString& topic) {
    if (!mosq_ || !connected_)
        return false;
    const int rc = mosquitto_subscribe(mosq_, nullptr, topic.toUtf8().constData(), 0);
    if (writable_)
        writable_->setEnabled(mosquitto_want_write(mosq_));
    return rc == MOSQ_ERR_SUCCESS;
}

void MqttClient::onConnect(mosquitto*, void* self, int rc) {
    static_cast<MqttClient*>(self)->connack_ = rc;
}

void MqttClient::onMessage(mosquitto*, void* self, const mosquitto_message* message) {
    auto* client = static_cast<MqttClient*>(self);
    // Passed on at once: the owner only reads it (no call back into the library from here).
    emit client->messageReceived(
        QString::fromUtf8(message->topic),
        QByteArray(static_cast<const char*>(message->payload), message->payloadlen));
}
