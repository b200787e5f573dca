#include "publish/mqtt_discovery.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "base/program_version.h"
#include "publish/mqtt_entities.h"

QString mqttNodeId(const QString& baseTopic) {
    QString node = baseTopic;
    for (QChar& c : node) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           c == QLatin1Char('_') || c == QLatin1Char('-');
        if (!plain)
            c = QLatin1Char('_');
    }
    return node;
}

std::vector<MqttMessage> mqttDiscoveryMessages(const MqttIdentity& identity) {
    std::vector<MqttMessage> messages;
    if (identity.discoveryPrefix.isEmpty())
        return messages;
    const QString node = mqttNodeId(identity.baseTopic);
    QString deviceName = QStringLiteral("Wetterpult");
    if (!identity.stationName.isEmpty())
        deviceName += QLatin1Char(' ') + identity.stationName;
    const QJsonObject device{
        {QStringLiteral("identifiers"), QJsonArray{node}},
        {QStringLiteral("name"), deviceName},
        {QStringLiteral("model"), QStringLiteral("WX200 / WM918 / WMR918")},
        {QStringLiteral("sw_version"), QString::fromLatin1(kProgramVersionText)},
    };
    const QString stateTopic = identity.baseTopic + QStringLiteral("/state");
    const QString statusTopic = identity.baseTopic + QStringLiteral("/status");
    for (const MqttEntity& entity : kMqttEntities) {
        const QString key = QString::fromLatin1(entity.key);
        const QString id = node + QLatin1Char('_') + key;
        QJsonObject config{
            {QStringLiteral("name"), QString::fromUtf8(entity.name)},
            {QStringLiteral("unique_id"), id},
            {QStringLiteral("object_id"), id},
            {QStringLiteral("device"), device},
            {QStringLiteral("state_topic"), stateTopic},
            {QStringLiteral("availability_topic"), statusTopic},
            {QStringLiteral("expire_after"), 2 * identity.intervalSeconds},
        };
        if (QByteArrayView(entity.component) == "binary_sensor") {
            // A missing flag renders "None", which Home Assistant shows as unknown.
            config.insert(QStringLiteral("value_template"),
                          QStringLiteral("{% if value_json.%1 is none %}None{% elif value_json.%1 "
                                         "%}ON{% else %}OFF{% endif %}")
                              .arg(key));
        } else {
            // null renders "None": the sensor is unknown, not 0.
            config.insert(QStringLiteral("value_template"),
                          QStringLiteral("{{ value_json.%1 }}").arg(key));
        }
        if (entity.deviceClass)
            config.insert(QStringLiteral("device_class"), QString::fromLatin1(entity.deviceClass));
        if (entity.stateClass)
            config.insert(QStringLiteral("state_class"), QString::fromLatin1(entity.stateClass));
        if (entity.unit)
            config.insert(QStringLiteral("unit_of_measurement"), QString::fromUtf8(entity.unit));
        messages.push_back({identity.discoveryPrefix + QLatin1Char('/') +
                                QString::fromLatin1(entity.component) + QLatin1Char('/') + node +
                                QLatin1Char('/') + key + QStringLiteral("/config"),
                            QJsonDocument(config).toJson(QJsonDocument::Compact)});
    }
    return messages;
}
