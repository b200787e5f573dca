// Keeps the station input going while "Aktiv" is on: a serial port that is lost or cannot be
// opened, and a station server that is gone or silent for 30 seconds, are tried again every
// 5 seconds. The user hears of the loss once and of the return once ("Station wieder verbunden"):
// the port is back when it opens, the server when it answers again.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

class SerialLink;
class StationClient;

class StationReconnect : public QObject {
    Q_OBJECT
public:
    static constexpr int kRetryMs = 5000;
    static constexpr int kSilenceMs = 30000;

    StationReconnect(SerialLink& link, StationClient& client, QObject* parent = nullptr);

    // Reception from the serial port: opened now, or tried again until it opens. A port that
    // cannot be opened is reported once. Returns whether it is open now.
    bool startSerial();
    // Reception from the station server: connects now and again whenever the connection is lost.
    void startClient();
    // The port, or the connection, is closed; when it was the road in use its retries end.
    void stopSerial();
    void stopClient();

    bool clientRoad() const { return road_ == Road::Client; }
    // When the station was lost (invalid while it is there or reception is off).
    QDateTime lostSince() const { return lostSince_; }
    // The port or server is being tried again every retry period.
    bool retrying() const { return retry_.isActive(); }

    // Shorter periods for tests.
    void setPeriods(int retryMs, int silenceMs);

signals:
    // The station was lost or is back.
    void stateChanged();
    // After each time the port or server was tried again.
    void retried();

private:
    enum class Road { None, Serial, Client };

    void end(Road road);
    void lost();
    void recovered();
    void retry();
    void onPortLost();
    void onClientConnected();
    void onClientLost();
    void onClientMessage();
    void onSilence();

    SerialLink& link_;
    StationClient& client_;
    Road road_ = Road::None;
    QDateTime lostSince_;
    QTimer retry_;
    QTimer silence_;
};
