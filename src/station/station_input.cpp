#include "station/station_input.h"

StationInput::StationInput(StationData& data, QObject* parent)
    : QObject(parent), road_(data), client_(data), poller_(client_) {
    connect(&link_, &SerialLink::bytesReceived, this,
            [this](const QByteArray& chunk) { road_.feed(chunk); });
    road_.onChecked = [this](const GroupCheckResult& r) {
        emit groupChecked(r.groupByte, r.row, r.ok);
    };
    road_.onDecoded = [this](std::uint8_t groupByte) { emit refreshed(groupByte); };
    connect(&client_, &StationClient::messageHandled, this, &StationInput::refreshed);
    connect(&link_, &SerialLink::portLost, this, &StationInput::lost);
    connect(&client_, &StationClient::connectionLost, this, [this] {
        poller_.stop();
        emit lost();
    });
}

bool StationInput::activate() {
    if (clientMode_) {
        client_.open();
        poller_.start();
        return true;
    }
    return link_.open();
}

void StationInput::deactivate() {
    link_.close();
    poller_.stop();
    client_.close();
}

void StationInput::shutdown() {
    link_.close();
    poller_.stop();
    client_.disconnectFromServer();
}
