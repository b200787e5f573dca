// The station input as the "Aktiv" switch sees it: the serial link and the client connection of
// the program's StationInput, with the group requests sent by the scheduler's second tick.
#pragma once

#include "outputs/input_control.h"
#include "station/station_input.h"

class StationInputControl : public InputControl {
public:
    explicit StationInputControl(StationInput& input) : input_(input) {}

    bool openSerial() override { return input_.serialLink().open(); }
    void closeSerial() override { input_.serialLink().close(); }
    void openClient() override { input_.client().open(); }
    void closeClient() override { input_.client().close(); }
    bool clientConnected() const override { return input_.client().isConnected(); }
    void sendGroupRequests(std::uint8_t secondsCounter) override {
        input_.client().GroupRequest(secondsCounter);
    }
    void sendDisconnect() override { input_.client().disconnectFromServer(); }

private:
    StationInput& input_;
};
