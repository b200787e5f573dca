#include "station/station_input.h"

StationInput::StationInput(StationData& data, QObject* parent)
    : QObject(parent), road_(data), client_(data) {
    connect(&link_, &SerialLink::bytesReceived, this,
            [this](const QByteArray& chunk) { road_.feed(chunk); });
    road_.onChecked = [this](const GroupCheckResult& r) {
        emit groupChecked(r.groupByte, r.row, r.ok);
    };
    road_.onDecoded = [this](std::uint8_t groupByte) { emit refreshed(groupByte); };
    connect(&client_, &StationClient::messageHandled, this, &StationInput::refreshed);
}
