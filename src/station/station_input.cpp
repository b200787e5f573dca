#include "station/station_input.h"

#include "base/app_clock.h"
#include "station/data_age.h"

StationInput::StationInput(StationData& data, QObject* parent)
    : QObject(parent), data_(data), road_(data), client_(data), reconnect_(link_, client_) {
    connect(&link_, &SerialLink::bytesReceived, this,
            [this](const QByteArray& chunk) { road_.feed(chunk); });
    road_.onChecked = [this](const GroupCheckResult& r) {
        emit groupChecked(r.groupByte, r.row, r.ok);
    };
    road_.onDecoded = [this](std::uint8_t groupByte) { decoded(groupByte); };
    connect(&client_, &StationClient::messageHandled, this, &StationInput::decoded);
}

void StationInput::decoded(std::uint8_t groupByte) {
    noteGroupArrival(data_, groupByte, AppClock::currentDateTime());
    emit refreshed(groupByte);
}
