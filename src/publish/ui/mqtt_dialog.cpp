#include "publish/ui/mqtt_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/dialog_parts.h"
#include "publish/mqtt_connection_test.h"
#include "publish/mqtt_settings_model.h"

MqttDialog::MqttDialog(MqttSettingsModel& model, QWidget* parent)
    : SettingsDialog(model, QStringLiteral("MQTT"), parent),
      model_(model),
      tester_(new MqttConnectionTest(this)) {
    setObjectName(QStringLiteral("MQTT"));

    active_ = checkBox(QStringLiteral("Aktiv"), "MQTTAktiv");

    QGroupBox* broker = groupBox(QStringLiteral("Broker"), "GroupBroker");
    server_ = lineEdit(MqttSettingsModel::kServerField, QStringLiteral("Server"));
    port_ = lineEdit(MqttSettingsModel::kPortField, QStringLiteral("Port"));
    user_ = lineEdit("MQTTBenutzer", QStringLiteral("Benutzer"));
    password_ = lineEdit("MQTTPasswort", QStringLiteral("Passwort"));
    password_->setEchoMode(QLineEdit::Password);
    tls_ = checkBox(QStringLiteral("TLS"), "MQTTTLS");
    certificate_ = lineEdit("MQTTZertifikat", QStringLiteral("CA-Zertifikat"));
    certificate_->setPlaceholderText(QStringLiteral("leer: die Zertifikate des Systems"));
    auto* brokerLayout = new QGridLayout(broker);
    int row = 0;
    for (auto [label, field] : {std::pair{QStringLiteral("Server"), server_},
                                {QStringLiteral("Port"), port_},
                                {QStringLiteral("Benutzer"), user_},
                                {QStringLiteral("Passwort"), password_}}) {
        brokerLayout->addWidget(buddyLabel(label, field), row, 0);
        brokerLayout->addWidget(field, row++, 1);
    }
    brokerLayout->addWidget(tls_, row++, 0, 1, 2);
    brokerLayout->addWidget(buddyLabel(QStringLiteral("CA-Zertifikat"), certificate_), row, 0);
    brokerLayout->addWidget(certificate_, row, 1);

    QGroupBox* topics = groupBox(QStringLiteral("Themen"), "GroupThemen");
    topic_ = lineEdit(MqttSettingsModel::kTopicField, QStringLiteral("Thema"));
    discovery_ = lineEdit(MqttSettingsModel::kDiscoveryField, QStringLiteral("Discovery-Präfix"));
    discovery_->setPlaceholderText(QStringLiteral("leer: keine Discovery"));
    interval_ = lineEdit(MqttSettingsModel::kIntervalField, QStringLiteral("Intervall (s)"));
    auto* topicLayout = new QGridLayout(topics);
    topicLayout->addWidget(buddyLabel(QStringLiteral("Thema"), topic_), 0, 0);
    topicLayout->addWidget(topic_, 0, 1);
    topicLayout->addWidget(buddyLabel(QStringLiteral("Discovery-Präfix"), discovery_), 1, 0);
    topicLayout->addWidget(discovery_, 1, 1);
    topicLayout->addWidget(buddyLabel(QStringLiteral("Intervall (s)"), interval_), 2, 0);
    topicLayout->addWidget(interval_, 2, 1);

    test_ = commandButton(QStringLiteral("Verbindung testen"), "VerbindungTesten");
    result_ = new QLabel;
    result_->setObjectName(QStringLiteral("TestErgebnis"));
    result_->setAccessibleName(QStringLiteral("Ergebnis des Verbindungstests"));
    result_->setWordWrap(true);
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(test_);
    testRow->addWidget(result_, 1);

    content()->addWidget(active_);
    content()->addWidget(broker);
    content()->addWidget(topics);
    content()->addLayout(testRow);

    connect(test_, &QPushButton::clicked, this, &MqttDialog::testConnection);
    connect(tester_, &MqttConnectionTest::finished, this, [this](bool, const QString& text) {
        result_->setText(text);
        test_->setEnabled(true);
    });
    chainTabOrder({active_, server_, port_, user_, password_, tls_, certificate_, topic_,
                   discovery_, interval_, test_, okButton(), cancelButton()});
}

void MqttDialog::testConnection() {
    readFields();
    const std::vector<FieldProblem> problems = model_.problems();
    for (const FieldProblem& problem : problems) {
        if (problem.field == QLatin1String(MqttSettingsModel::kServerField) ||
            problem.field == QLatin1String(MqttSettingsModel::kPortField)) {
            result_->setText(problem.message);
            return;
        }
    }
    result_->setText(QStringLiteral("Verbinde ..."));
    test_->setEnabled(false);
    tester_->start(model_.testOptions());
}

void MqttDialog::showFields() {
    active_->setChecked(model_.active);
    server_->setText(model_.server);
    port_->setText(model_.port);
    user_->setText(model_.user);
    password_->setText(model_.password);
    tls_->setChecked(model_.tls);
    certificate_->setText(model_.certificate);
    topic_->setText(model_.topic);
    discovery_->setText(model_.discovery);
    interval_->setText(model_.interval);
    result_->clear();
}

void MqttDialog::readFields() {
    model_.active = active_->isChecked();
    model_.server = server_->text();
    model_.port = port_->text();
    model_.user = user_->text();
    model_.password = password_->text();
    model_.tls = tls_->isChecked();
    model_.certificate = certificate_->text();
    model_.topic = topic_->text();
    model_.discovery = discovery_->text();
    model_.interval = interval_->text();
}
