// The settings host of the program without windows: the serial port's name, the client socket and
// the log timer are the real objects' values, "Aktiv" is the scheduler's switch. A port or server
// given on the command line is used for this run only; saving keeps the file's values for them.
#pragma once

#include "config/plain_settings_host.h"
#include "config/settings.h"
#include "outputs/scheduler.h"
#include "station/station_input.h"

class StationSettingsHost : public PlainSettingsHost {
public:
    StationSettingsHost(Settings& settings, StationInput& input, Scheduler& scheduler);

    // This run reads the serial port of that name.
    void overridePort(const QString& name);
    // This run is a client of that server.
    void overrideServer(const QString& address, quint16 port);
    // Whether going active opens the client connection: the command line's choice, else the
    // setting ClientActive.
    bool clientMode() const;

    QString portName() const override { return port; }
    void setPortName(const QString& name) override;
    bool clientOpen() const override;
    QString remoteAddress() const override { return address; }
    void setRemoteAddress(const QString& a) override;
    int remotePort() const override { return serverPort; }
    void setRemotePort(int p) override;
    int logInterval() const override;
    void setLogInterval(int ms) override;
    bool active() const override;
    void runAktivCommand() override;

private:
    Settings& settings_;
    StationInput& input_;
    Scheduler& scheduler_;
    bool portOverridden_ = false;
    bool serverOverridden_ = false;
};
