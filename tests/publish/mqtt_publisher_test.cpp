// The MQTT publisher against a real mosquitto on a loopback port: what a subscriber (Home
// Assistant) finds retained, and the faults: a broker restart, a wrong password, Home Assistant's
// own restart.
#include "publish/mqtt_publisher.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>

#include "base/notifier.h"
#include "station/station_input.h"
#include "support/mosquitto_broker.h"
#include "support/wait.h"

namespace {

// The station after a replayed capture, and a publisher on the broker.
struct Station {
    StationData data;
    StationInput input{data};
    Settings settings;
    RecordingNotifier notifier;
    ScopedNotifier scoped{notifier};
    std::unique_ptr<MqttPublisher> publisher;

    explicit Station(const MosquittoBroker& broker) {
        QFile capture(QStringLiteral(WETTERPULT_TEST_DATA "/captures/clean_rounds.bin"));
        if (capture.open(QIODevice::ReadOnly))
            input.road().feed(capture.readAll());
        settings.MQTTAktiv = true;
        settings.MQTTServer = QStringLiteral("127.0.0.1");
        settings.MQTTPort = broker.port();
        settings.MQTTThema = QStringLiteral("wx/garten");
        settings.MQTTDiscovery = QStringLiteral("ha");
        settings.MQTTIntervall = 30;
        publisher = std::make_unique<MqttPublisher>(data, settings);
    }
    bool connect() {
        publisher->apply();
        return waitUntil([this] { return publisher->isConnected(); });
    }
};

// The payload of `topic` in mosquitto_sub -v lines.
QByteArray payloadOf(const QStringList& lines, const QString& topic) {
    for (const QString& line : lines)
        if (line.startsWith(topic + QLatin1Char(' ')))
            return line.mid(topic.size() + 1).toUtf8();
    return {};
}

QJsonObject json(const QByteArray& payload) {
    return QJsonDocument::fromJson(payload).object();
}

constexpr int kEntities = 18;

}  // namespace

TEST(MqttPublisher, RetainsTheStationsValuesTheConfigsAndOnline) {
    MosquittoBroker broker;
    ASSERT_TRUE(broker.start()) << broker.log().constData();
    Station station(broker);
    // A wind chill beyond the console: missing, so null and not 0.
    station.data.Record.Windchill.Current = 99;
    ASSERT_TRUE(station.connect());
    EXPECT_EQ(station.publisher->statusText(), "MQTT: verbunden");

    const QStringList lines = broker.receive({"wx/garten/#", "ha/#"}, 2 + kEntities);
    ASSERT_EQ(lines.size(), 2 + kEntities) << lines.join('\n').toStdString();
    EXPECT_EQ(payloadOf(lines, "wx/garten/status"), "online");

    // The last round of the capture (clean_rounds.txt).
    const QJsonObject state = json(payloadOf(lines, "wx/garten/state"));
    EXPECT_EQ(state["temperature"].toDouble(), 2.3);
    EXPECT_EQ(state["rain_total"].toInt(), 1236);
    EXPECT_EQ(state["wind_gust"].toDouble(), 20.3);
    EXPECT_EQ(state["wind_gust_direction"].toInt(), 181);
    EXPECT_TRUE(state["windchill"].isNull());
    EXPECT_TRUE(state["battery_low"].isBool());
    EXPECT_TRUE(state["time"].toString().endsWith('Z'));

    const QJsonObject temperature =
        json(payloadOf(lines, "ha/sensor/wx_garten/temperature/config"));
    EXPECT_EQ(temperature["state_topic"], "wx/garten/state");
    EXPECT_EQ(temperature["availability_topic"], "wx/garten/status");
    EXPECT_EQ(temperature["device_class"], "temperature");
    EXPECT_EQ(temperature["state_class"], "measurement");
    EXPECT_EQ(temperature["unit_of_measurement"], QString::fromUtf8("°C"));
    EXPECT_EQ(temperature["expire_after"].toInt(), 60);
    EXPECT_EQ(temperature["unique_id"], "wx_garten_temperature");
    EXPECT_EQ(temperature["device"].toObject()["name"], "Wetterpult JO30XN");
    const QJsonObject rain = json(payloadOf(lines, "ha/sensor/wx_garten/rain_total/config"));
    EXPECT_EQ(rain["state_class"], "total_increasing");
    EXPECT_EQ(rain["device"], temperature["device"]);
    const QJsonObject battery =
        json(payloadOf(lines, "ha/binary_sensor/wx_garten/battery_low/config"));
    EXPECT_EQ(battery["device_class"], "battery");

    // Switched off: "offline" stays behind.
    station.settings.MQTTAktiv = false;
    station.publisher->apply();
    EXPECT_EQ(broker.receive({"wx/garten/status"}, 1), QStringList{"wx/garten/status offline"});
    EXPECT_TRUE(station.notifier.messages.empty());
}

TEST(MqttPublisher, StaleDataSendNothingAndTheStateFollowsWhenTheyAreFreshAgain) {
    MosquittoBroker broker;
    ASSERT_TRUE(broker.start()) << broker.log().constData();
    Station station(broker);
    station.data.GroupArrivedMs[2] -= 3 * 60 * 1000;  // the barometer group three minutes old
    ASSERT_TRUE(station.connect());
    EXPECT_FALSE(station.publisher->publishState());
    // A retained marker answers in place of a state that is not there (retained messages come in
    // the order of the subscriptions).
    broker.send(QStringLiteral("wx/marke"), "da", true);
    EXPECT_EQ(broker.receive({"wx/garten/state", "wx/marke"}, 1), QStringList{"wx/marke da"});
    // The next barometer group: the state goes out at once, not an interval later.
    station.data.GroupArrivedMs[2] += 3 * 60 * 1000;
    QSignalSpy published(station.publisher.get(), &MqttPublisher::statePublished);
    station.publisher->dataRefreshed();
    EXPECT_EQ(published.size(), 1);
}

TEST(MqttPublisher, ReconnectsAfterABrokerRestartAndPublishesAgain) {
    MosquittoBroker broker;
    ASSERT_TRUE(broker.start()) << broker.log().constData();
    Station station(broker);
    ASSERT_TRUE(station.connect());
    broker.stop();
    ASSERT_TRUE(waitUntil([&] { return !station.publisher->isConnected(); }));
    EXPECT_TRUE(station.publisher->statusText().startsWith("MQTT: getrennt seit "));

    // The new broker keeps nothing: whatever it holds retained came after the restart.
    ASSERT_TRUE(broker.start()) << broker.log().constData();
    ASSERT_TRUE(waitUntil([&] { return station.publisher->isConnected(); }, 20000));
    const QStringList lines = broker.receive({"wx/garten/#", "ha/#"}, 2 + kEntities);
    EXPECT_EQ(lines.size(), 2 + kEntities);
    EXPECT_FALSE(payloadOf(lines, "wx/garten/state").isEmpty());
    // One message for the whole spell, with the reason.
    ASSERT_EQ(station.notifier.messages.size(), 1u);
    EXPECT_TRUE(station.notifier.messages[0].text.contains("127.0.0.1:"));
}

TEST(MqttPublisher, AWrongPasswordIsToldOnceAndTriedAgainLater) {
    MosquittoBroker broker(QStringLiteral("wetter"), QStringLiteral("richtig"));
    ASSERT_TRUE(broker.start()) << broker.log().constData();
    Station station(broker);
    station.settings.MQTTBenutzer = QStringLiteral("wetter");
    station.settings.MQTTPasswort = QStringLiteral("geheim123");
    QSignalSpy failures(station.publisher.get(), &MqttPublisher::connectionFailed);
    station.publisher->apply();
    ASSERT_TRUE(waitUntil([&] { return failures.size() >= 2; }));
    ASSERT_EQ(station.notifier.messages.size(), 1u);
    const Message& message = station.notifier.messages[0];
    EXPECT_TRUE(message.details.contains("Passwort falsch")) << message.details.toStdString();
    EXPECT_FALSE((message.text + message.details).contains("geheim123"));
    EXPECT_EQ(station.publisher->retryDelayMs(), 4 * MqttPublisher::kFirstRetryMs);
    EXPECT_FALSE(station.publisher->isConnected());
}

TEST(MqttPublisher, HomeAssistantsBirthMessageBringsTheConfigsAgain) {
    MosquittoBroker broker;
    ASSERT_TRUE(broker.start()) << broker.log().constData();
    Station station(broker);
    ASSERT_TRUE(station.connect());
    const QString config = QStringLiteral("ha/sensor/wx_garten/humidity/config");
    ASSERT_EQ(broker.receive({config}, 1).size(), 1);
    // Home Assistant lost it (a broker without persistence would) and comes back.
    broker.send(config, {}, true);
    QSignalSpy discovery(station.publisher.get(), &MqttPublisher::discoveryPublished);
    broker.send(QStringLiteral("ha/status"), "online", false);
    ASSERT_TRUE(waitUntil([&] { return !discovery.isEmpty(); }));
    const QStringList again = broker.receive({config}, 1);
    ASSERT_EQ(again.size(), 1);
    EXPECT_EQ(json(payloadOf(again, config))["device_class"], "humidity");
}
