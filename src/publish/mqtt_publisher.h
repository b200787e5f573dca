// The MQTT publisher: while "MQTTAktiv" is on it keeps a connection to the broker, says "online"
// on `<base>/status` (the broker's will says "offline" for a program that dies), publishes Home
// Assistant's discovery configs on connecting and whenever Home Assistant announces itself, and
// every interval the state message while the station's data are fresh. It reads the station data
// only when it publishes and keeps no copy of them. A broker that is down, refuses the login or
// goes away is tried again after 1, 2, 4 ... seconds, at most a minute; the user hears of it once
// per failure spell.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include "config/settings.h"
#include "publish/failure_spell.h"
#include "publish/mqtt_client.h"
#include "publish/mqtt_discovery.h"
#include "station/weather_record.h"

class MqttPublisher : public QObject {
    Q_OBJECT
public:
    static constexpr int kFirstRetryMs = 1000;
    static constexpr int kLongestRetryMs = 60 * 1000;

    MqttPublisher(const StationData& data, const Settings& settings, QObject* parent = nullptr);
    ~MqttPublisher() override;

    // Takes the [MQTT] settings as they stand: connects, connects anew after a change, or says
    // "offline" and goes when switched off.
    void apply();
    // The program ends in order: "offline", then the goodbye (written before this returns).
    void finish();

    // "MQTT: verbunden" or "MQTT: getrennt seit hh:mm"; empty while switched off.
    QString statusText() const;
    bool isConnected() const { return client_.isConnected(); }
    // Wait before the next attempt, milliseconds (grows with every failure).
    int retryDelayMs() const { return retryDelayMs_; }

    // Publishes the state message now when connected and every group is fresh; true when sent.
    bool publishState();
    // A group has arrived: a state message that is owed (none since connecting, or the last turn
    // found the data stale) goes out as soon as the data are fresh, not an interval later.
    void dataRefreshed();

signals:
    // Connected, disconnected, switched on or off: the status text may have changed.
    void statusChanged();
    void statePublished();
    void discoveryPublished();
    // An attempt failed or the connection went away, with the reason.
    void connectionFailed(const QString& reason);

private:
    void connected();
    void failed(const QString& reason);
    void messageReceived(const QString& topic, const QByteArray& payload);
    void publishDiscovery();
    void sayGoodbye();

    const StationData& data_;
    const Settings& settings_;
    MqttClient client_;
    QTimer interval_;
    QTimer retry_;
    bool active_ = false;
    MqttConnectOptions options_;
    MqttIdentity identity_;
    int retryDelayMs_ = kFirstRetryMs;
    // Not connected since; told once.
    FailureSpell spell_;
    bool stateOwed_ = false;
};
