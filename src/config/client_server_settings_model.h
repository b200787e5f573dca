// The model of the dialog "Client/Server": whether the program reads a station server (client),
// the server's address and port. "OK" acts at once, whatever "Aktiv" says: it switches between
// the serial port and the client connection.
#pragma once

#include <functional>

#include "base/dialog_model.h"
#include "config/settings_host.h"

// How the dialog opens and closes the two ways in for station data.
struct InputSwitches {
    std::function<bool()> openSerial;  // false: the port did not open (the user has been told)
    std::function<void()> closeSerial;
    std::function<void()> openClient;
    std::function<void()> closeClient;
};

class ClientServerSettingsModel : public DialogModel {
public:
    static constexpr const char* kPortField = "RemotePort";

    ClientServerSettingsModel(SettingsHost& host, InputSwitches switches)
        : host_(host), switches_(std::move(switches)) {}

    void fill() override;
    std::vector<FieldProblem> problems() const override;

    // "Server IP" and "Port" can be edited only while "Client aktiv" is not ticked.
    bool serverFieldsEnabled() const { return !clientActive; }

    bool clientActive = false;  // "Client aktiv": the client connection is open
    QString address;            // "Server IP"
    QString port;               // "Port"

protected:
    std::optional<FieldProblem> apply() override;

private:
    SettingsHost& host_;
    InputSwitches switches_;
};
