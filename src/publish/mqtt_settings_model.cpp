#include "publish/mqtt_settings_model.h"

namespace {

constexpr int kLongestInterval = 86400;

// A topic the program publishes under: not empty, no wildcard, no "/" at either end.
bool plainTopic(const QString& topic) {
    return !topic.isEmpty() && !topic.contains(QLatin1Char('+')) &&
           !topic.contains(QLatin1Char('#')) && !topic.startsWith(QLatin1Char('/')) &&
           !topic.endsWith(QLatin1Char('/'));
}

}  // namespace

void MqttSettingsModel::fill() {
    const Settings& s = settings_;
    active = s.MQTTAktiv;
    server = s.MQTTServer;
    port = QString::number(s.MQTTPort);
    user = s.MQTTBenutzer;
    password = s.MQTTPasswort;
    tls = s.MQTTTLS;
    certificate = s.MQTTZertifikat;
    topic = s.MQTTThema;
    discovery = s.MQTTDiscovery;
    interval = QString::number(s.MQTTIntervall);
}

std::vector<FieldProblem> MqttSettingsModel::problems() const {
    std::vector<FieldProblem> found;
    if (server.trimmed().isEmpty())
        found.push_back(
            {QString::fromLatin1(kServerField),
             QStringLiteral("Bitte den Namen oder die Adresse des MQTT-Servers angeben.")});
    checkWholeNumber(found, QString::fromLatin1(kPortField), port, 1, 65535);
    if (!plainTopic(topic.trimmed()))
        found.push_back({QString::fromLatin1(kTopicField),
                         QStringLiteral("Das Thema darf nicht leer sein, kein + oder # enthalten "
                                        "und nicht mit / beginnen oder enden.")});
    if (!discovery.trimmed().isEmpty() && !plainTopic(discovery.trimmed()))
        found.push_back(
            {QString::fromLatin1(kDiscoveryField),
             QStringLiteral("Der Discovery-Präfix darf kein + oder # enthalten und "
                            "nicht mit / beginnen oder enden (leer: keine Discovery).")});
    if (const std::optional<int> seconds =
            wholeNumber(interval, kMqttLeastInterval, kLongestInterval);
        !seconds)
        found.push_back({QString::fromLatin1(kIntervalField),
                         QStringLiteral("Das Intervall muss zwischen %1 und %2 Sekunden liegen.")
                             .arg(kMqttLeastInterval)
                             .arg(kLongestInterval)});
    return found;
}

MqttConnectOptions MqttSettingsModel::testOptions() const {
    MqttConnectOptions options;
    options.host = server.trimmed();
    options.port = wholeNumber(port, 1, 65535).value_or(1883);
    options.user = user;
    options.password = password;
    options.tls = tls;
    options.caFile = certificate.trimmed();
    return options;
}

std::optional<FieldProblem> MqttSettingsModel::apply() {
    Settings& s = settings_;
    s.MQTTAktiv = active;
    s.MQTTServer = server.trimmed();
    s.MQTTPort = *wholeNumber(port, 1, 65535);
    s.MQTTBenutzer = user;
    s.MQTTPasswort = password;
    s.MQTTTLS = tls;
    s.MQTTZertifikat = certificate.trimmed();
    s.MQTTThema = topic.trimmed();
    s.MQTTDiscovery = discovery.trimmed();
    s.MQTTIntervall = *wholeNumber(interval, kMqttLeastInterval, kLongestInterval);
    if (applied_)
        applied_();
    return std::nullopt;
}
