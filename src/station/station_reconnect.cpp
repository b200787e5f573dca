// The loss of the station is noted before the user is told: a message box runs its own event loop,
// and the retries must go on meanwhile.
#include "station/station_reconnect.h"

#include "base/app_clock.h"
#include "base/notifier.h"
#include "station/serial_link.h"
#include "station/station_client.h"

StationReconnect::StationReconnect(SerialLink& link, StationClient& client, QObject* parent)
    : QObject(parent), link_(link), client_(client) {
    retry_.setInterval(kRetryMs);
    silence_.setInterval(kSilenceMs);
    silence_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &StationReconnect::retry);
    connect(&silence_, &QTimer::timeout, this, &StationReconnect::onSilence);
    connect(&link_, &SerialLink::portLost, this, &StationReconnect::onPortLost);
    connect(&client_, &StationClient::connected, this, &StationReconnect::onClientConnected);
    connect(&client_, &StationClient::connectionLost, this, &StationReconnect::onClientLost);
    connect(&client_, &StationClient::messageHandled, this, &StationReconnect::onClientMessage);
}

void StationReconnect::setPeriods(int retryMs, int silenceMs) {
    retry_.setInterval(retryMs);
    silence_.setInterval(silenceMs);
}

bool StationReconnect::startSerial() {
    road_ = Road::Serial;
    QString failure;
    if (link_.open(&failure))
        return true;
    lost();
    reportError(failure, link_.openFailureDetails());
    return false;
}

void StationReconnect::startClient() {
    road_ = Road::Client;
    client_.setErrorsReported(true);
    client_.open();
    silence_.start();  // a connection that is not made within the limit counts as lost too
}

void StationReconnect::stopSerial() {
    link_.close();
    end(Road::Serial);
}

void StationReconnect::stopClient() {
    client_.close();
    client_.setErrorsReported(true);
    end(Road::Client);
}

void StationReconnect::end(Road road) {
    if (road_ != road)
        return;
    road_ = Road::None;
    retry_.stop();
    silence_.stop();
    if (lostSince_.isValid()) {
        lostSince_ = QDateTime();
        emit stateChanged();
    }
}

void StationReconnect::lost() {
    if (!lostSince_.isValid()) {
        lostSince_ = AppClock::currentDateTime();
        emit stateChanged();
    }
    // Tried again quietly: the user has heard of this loss.
    client_.setErrorsReported(false);
    retry_.start();
}

void StationReconnect::recovered() {
    retry_.stop();
    client_.setErrorsReported(true);
    if (!lostSince_.isValid())
        return;
    lostSince_ = QDateTime();
    emit stateChanged();
    inform(QStringLiteral("Wetterpult"), QStringLiteral("Station wieder verbunden"));
}

void StationReconnect::retry() {
    if (road_ == Road::Serial) {
        QString failure;
        if (link_.open(&failure))
            recovered();
    } else if (road_ == Road::Client && !client_.isActive()) {
        client_.open();
        silence_.start();
    }
    emit retried();
}

void StationReconnect::onPortLost() {
    if (road_ == Road::Serial)
        lost();
}

void StationReconnect::onClientConnected() {
    // Back only once the server answers: a connection to a mute server is no station.
    if (road_ == Road::Client)
        silence_.start();
}

void StationReconnect::onClientLost() {
    if (road_ != Road::Client)
        return;
    silence_.stop();
    lost();
}

void StationReconnect::onClientMessage() {
    if (road_ != Road::Client)
        return;
    silence_.start();
    if (lostSince_.isValid())
        recovered();
}

void StationReconnect::onSilence() {
    if (road_ != Road::Client)
        return;
    const bool wasConnected = client_.isConnected();
    const bool firstLoss = !lostSince_.isValid();
    client_.close();
    lost();
    if (firstLoss)
        reportError(
            wasConnected
                ? QStringLiteral("Der Station-Server %1:%2 antwortet seit %3 Sekunden nicht.")
                      .arg(client_.address())
                      .arg(client_.port())
                      .arg(silence_.interval() / 1000)
                : QStringLiteral("Der Station-Server %1:%2 ist nach %3 Sekunden noch nicht "
                                 "verbunden.")
                      .arg(client_.address())
                      .arg(client_.port())
                      .arg(silence_.interval() / 1000));
}
