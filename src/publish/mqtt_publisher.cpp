#include "publish/mqtt_publisher.h"

#include "base/app_clock.h"
#include "base/notifier.h"
#include "publish/mqtt_state.h"
#include "station/data_age.h"

namespace {

const QByteArray kOnline = QByteArrayLiteral("online");
const QByteArray kOffline = QByteArrayLiteral("offline");

}  // namespace

MqttPublisher::MqttPublisher(const StationData& data, const Settings& settings, QObject* parent)
    : QObject(parent), data_(data), settings_(settings) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, [this] { client_.open(options_); });
    connect(&interval_, &QTimer::timeout, this, [this] { publishState(); });
    connect(&client_, &MqttClient::connected, this, &MqttPublisher::connected);
    connect(&client_, &MqttClient::failed, this, &MqttPublisher::failed);
    connect(&client_, &MqttClient::messageReceived, this, &MqttPublisher::messageReceived);
}

MqttPublisher::~MqttPublisher() = default;

void MqttPublisher::apply() {
    const Settings& s = settings_;
    MqttConnectOptions options{s.MQTTServer.trimmed(),
                               s.MQTTPort,
                               s.MQTTBenutzer,
                               s.MQTTPasswort,
                               s.MQTTTLS,
                               s.MQTTZertifikat,
                               s.MQTTThema + QStringLiteral("/status"),
                               kOffline};
    const MqttIdentity identity{s.MQTTThema, s.MQTTDiscovery, s.MyLocator,
                                std::max(s.MQTTIntervall, kMqttLeastInterval)};
    if (!s.MQTTAktiv) {
        if (active_) {
            sayGoodbye();
            active_ = false;
            emit statusChanged();
        }
        return;
    }
    const bool same = active_ && options == options_ && identity.baseTopic == identity_.baseTopic &&
                      identity.discoveryPrefix == identity_.discoveryPrefix &&
                      identity.stationName == identity_.stationName &&
                      identity.intervalSeconds == identity_.intervalSeconds;
    if (same)
        return;
    if (active_)
        sayGoodbye();
    active_ = true;
    options_ = options;
    identity_ = identity;
    interval_.setInterval(identity_.intervalSeconds * 1000);
    retryDelayMs_ = kFirstRetryMs;
    // New settings, a new spell: their first failure is told.
    spell_.end();
    spell_.begin(AppClock::currentDateTime());
    client_.open(options_);
    emit statusChanged();
}

void MqttPublisher::finish() {
    if (active_)
        sayGoodbye();
    active_ = false;
}

void MqttPublisher::sayGoodbye() {
    retry_.stop();
    interval_.stop();
    if (client_.isConnected())
        client_.publish(identity_.baseTopic + QStringLiteral("/status"), kOffline, true);
    client_.close();
}

QString MqttPublisher::statusText() const {
    if (!active_)
        return {};
    if (client_.isConnected())
        return QStringLiteral("MQTT: verbunden");
    return QStringLiteral("MQTT: getrennt seit %1")
        .arg(spell_.since().toString(QStringLiteral("HH:mm")));
}

void MqttPublisher::connected() {
    retryDelayMs_ = kFirstRetryMs;
    spell_.end();
    client_.publish(identity_.baseTopic + QStringLiteral("/status"), kOnline, true);
    publishDiscovery();
    if (!identity_.discoveryPrefix.isEmpty())
        client_.subscribe(identity_.discoveryPrefix + QStringLiteral("/status"));
    // The state as it is now; nothing of the time without a connection is sent after.
    stateOwed_ = true;
    publishState();
    interval_.start();
    emit statusChanged();
}

void MqttPublisher::failed(const QString& reason) {
    if (!active_)
        return;
    interval_.stop();
    spell_.begin(AppClock::currentDateTime());
    retry_.start(retryDelayMs_);
    retryDelayMs_ = std::min(2 * retryDelayMs_, kLongestRetryMs);
    emit connectionFailed(reason);
    emit statusChanged();
    if (!spell_.tellStart())
        return;
    // Shown after the library's call has ended: the desktop's message box waits for the user.
    const QString text = QStringLiteral(
                             "Keine Verbindung zum MQTT-Broker %1:%2; neuer Versuch "
                             "bis zu jeder Minute.")
                             .arg(options_.host)
                             .arg(options_.port);
    QTimer::singleShot(0, this, [text, reason] {
        notify(QStringLiteral("MQTT"), text, MessageButtons::Ok, reason);
    });
}

void MqttPublisher::messageReceived(const QString& topic, const QByteArray& payload) {
    // Home Assistant's birth message: after its restart it has forgotten the configs it did not
    // find retained, so they are sent again.
    if (!identity_.discoveryPrefix.isEmpty() &&
        topic == identity_.discoveryPrefix + QStringLiteral("/status") && payload == kOnline)
        publishDiscovery();
}

void MqttPublisher::publishDiscovery() {
    const std::vector<MqttMessage> configs = mqttDiscoveryMessages(identity_);
    if (configs.empty())
        return;
    for (const MqttMessage& config : configs)
        client_.publish(config.topic, config.payload, true);
    emit discoveryPublished();
}

bool MqttPublisher::publishState() {
    if (!client_.isConnected())
        return false;
    const QDateTime now = AppClock::currentDateTime();
    // Stale data send nothing: Home Assistant lets the values expire.
    if (!allGroupsFresh(data_, now.toMSecsSinceEpoch())) {
        stateOwed_ = true;
        return false;
    }
    if (!client_.publish(identity_.baseTopic + QStringLiteral("/state"), mqttStateJson(data_, now),
                         true))
        return false;
    stateOwed_ = false;
    emit statePublished();
    return true;
}

void MqttPublisher::dataRefreshed() {
    if (stateOwed_)
        publishState();
}
