// The model of the dialog "MQTT...": the broker, the login, TLS, the topics and the interval of
// the [MQTT] settings. "OK" takes them and hands them to the running publisher at once.
#pragma once

#include <functional>

#include "base/dialog_model.h"
#include "config/settings.h"
#include "publish/mqtt_client.h"

class MqttSettingsModel : public DialogModel {
public:
    // Ids of the fields that can be refused (the object names of their controls).
    static constexpr const char* kServerField = "MQTTServer";
    static constexpr const char* kPortField = "MQTTPort";
    static constexpr const char* kTopicField = "MQTTThema";
    static constexpr const char* kDiscoveryField = "MQTTDiscovery";
    static constexpr const char* kIntervalField = "MQTTIntervall";

    // `applied` is called after "OK" took the fields (the publisher takes them up).
    MqttSettingsModel(Settings& settings, std::function<void()> applied)
        : settings_(settings), applied_(std::move(applied)) {}

    void fill() override;
    std::vector<FieldProblem> problems() const override;

    // The connection the fields describe, for "Verbindung testen" (no will: the test publishes
    // nothing). Only meaningful while problems() finds nothing for server and port.
    MqttConnectOptions testOptions() const;

    bool active = false;  // "Aktiv"
    QString server;       // "Server"
    QString port;         // "Port"
    QString user;         // "Benutzer"
    QString password;     // "Passwort"
    bool tls = false;     // "TLS"
    QString certificate;  // "CA-Zertifikat"
    QString topic;        // "Thema"
    QString discovery;    // "Discovery-Präfix"
    QString interval;     // "Intervall (s)"

protected:
    std::optional<FieldProblem> apply() override;

private:
    Settings& settings_;
    std::function<void()> applied_;
};
