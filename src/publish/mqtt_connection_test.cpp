#include "publish/mqtt_connection_test.h"

MqttConnectionTest::MqttConnectionTest(QObject* parent) : QObject(parent) {
    timeout_.setSingleShot(true);
    timeout_.setInterval(10000);
    connect(&timeout_, &QTimer::timeout, this, [this] {
        end(false, QStringLiteral("Keine Antwort von %1 innerhalb von 10 Sekunden.").arg(where_));
    });
    connect(&client_, &MqttClient::connected, this,
            [this] { end(true, QStringLiteral("Verbindung zu %1 hergestellt.").arg(where_)); });
    connect(&client_, &MqttClient::failed, this, [this](const QString& reason) {
        end(false, QStringLiteral("Keine Verbindung zu %1: %2").arg(where_, reason));
    });
}

void MqttConnectionTest::start(const MqttConnectOptions& options) {
    where_ = QStringLiteral("%1:%2").arg(options.host).arg(options.port);
    timeout_.start();
    client_.open(options);
}

void MqttConnectionTest::end(bool ok, const QString& text) {
    if (!timeout_.isActive())
        return;
    timeout_.stop();
    client_.close(0);
    emit finished(ok, text);
}
