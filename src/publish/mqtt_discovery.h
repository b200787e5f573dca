// Home Assistant's MQTT discovery: one retained config per entity of kMqttEntities, so that Home
// Assistant finds every value by itself and keeps it across its own restarts.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

struct MqttMessage {
    QString topic;
    QByteArray payload;
};

// Where and as what the program publishes.
struct MqttIdentity {
    QString baseTopic;         // "<base>/state", "<base>/status"
    QString discoveryPrefix;   // "<prefix>/sensor/<node>/<object>/config"; empty: no discovery
    QString stationName;       // the device's name after "Wetterpult" (the locator)
    int intervalSeconds = 60;  // between state messages; a value expires after twice as long
};

// The node id of the configs' topics and of every unique id: the base topic with every character
// outside A-Z, a-z, 0-9, "_" and "-" replaced by "_".
QString mqttNodeId(const QString& baseTopic);

// One config per entity, under the discovery prefix; none when the prefix is empty.
std::vector<MqttMessage> mqttDiscoveryMessages(const MqttIdentity& identity);
