// The station input as the "Aktiv" switch sees it: the serial link and the client connection of
// the program's StationInput, kept going by its reconnect, with the group requests sent by the
// scheduler's second tick.
#pragma once

#include "outputs/input_control.h"
#include "station/station_input.h"

class StationInputControl : public InputControl {
public:
    explicit StationInputControl(StationInput& input) : input_(input) {}

    bool openSerial() override { return input_.reconnect().startSerial(); }
    void closeSerial() override { input_.reconnect().stopSerial(); }
    void openClient() override { input_.reconnect().startClient(); }
    void closeClient() override { input_.reconnect().stopClient(); }
    bool clientConnected() const override { return input_.client().isConnected(); }
    void sendGroupRequests(std::uint8_t secondsCounter) override {
        input_.client().GroupRequest(secondsCounter);
    }
    void sendDisconnect() override { input_.client().disconnectFromServer(); }
    QDateTime stationLostSince() const override { return input_.reconnect().lostSince(); }

private:
    StationInput& input_;
};
