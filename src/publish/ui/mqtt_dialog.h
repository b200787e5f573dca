// The dialog "MQTT...": the broker, the login, TLS, the topics and the interval of the publisher,
// with "Verbindung testen", which tries the values as they stand in the fields.
#pragma once

#include "base/ui/settings_dialog.h"

class MqttConnectionTest;
class MqttSettingsModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class MqttDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit MqttDialog(MqttSettingsModel& model, QWidget* parent = nullptr);

    QPushButton* testButton() const { return test_; }
    // The outcome of the last "Verbindung testen".
    QLabel* testResult() const { return result_; }

protected:
    void showFields() override;
    void readFields() override;

private:
    void testConnection();

    MqttSettingsModel& model_;
    MqttConnectionTest* tester_;
    QCheckBox* active_;
    QLineEdit* server_;
    QLineEdit* port_;
    QLineEdit* user_;
    QLineEdit* password_;
    QCheckBox* tls_;
    QLineEdit* certificate_;
    QLineEdit* topic_;
    QLineEdit* discovery_;
    QLineEdit* interval_;
    QPushButton* test_;
    QLabel* result_;
};
