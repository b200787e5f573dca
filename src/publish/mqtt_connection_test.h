// "Verbindung testen": one attempt to connect with the dialog's values, without publishing
// anything, answered by a German sentence. Gives up after ten seconds without an answer.
#pragma once

#include <QObject>
#include <QTimer>

#include "publish/mqtt_client.h"

class MqttConnectionTest : public QObject {
    Q_OBJECT
public:
    explicit MqttConnectionTest(QObject* parent = nullptr);

    // Starts an attempt; one already running is given up.
    void start(const MqttConnectOptions& options);
    bool running() const { return timeout_.isActive(); }

signals:
    // The outcome: whether the broker took the connection, and a sentence for the user.
    void finished(bool ok, const QString& text);

private:
    void end(bool ok, const QString& text);

    MqttClient client_;
    QTimer timeout_;
    QString where_;
};
