// The settings host's values that belong to the program's links rather than to the window: the
// serial port's name, the client socket, the log timer's period and the "Aktiv" switch.
#pragma once

#include <functional>

#include "config/settings_host.h"
#include "station/station_input.h"

class DesktopLinksHost : public SettingsHost {
public:
    explicit DesktopLinksHost(StationInput& input) : input_(input) {}

    // A port named on the command line is used for this run but not written back.
    void overridePort(const QString& port);

    // Called for the "Aktiv" command; returns the new state.
    std::function<bool()> toggleActive;
    std::function<bool()> isActive;
    std::function<int()> logIntervalOf;
    std::function<void(int)> setLogIntervalOf;

    WindowBounds windowBounds() const override { return {}; }
    void setWindowBounds(const WindowBounds&) override {}
    WinColor panelColor(int) const override { return kButtonFace; }
    void setPanelColor(int, WinColor) override {}
    int panelFontSize(int) const override { return 8; }
    void setPanelFontSize(int, int) override {}
    WinColor panelFontColor(int) const override { return 8; }
    void setPanelFontColor(int, WinColor) override {}

    QString portName() const override { return savedPort_; }
    void setPortName(const QString& name) override;
    bool clientOpen() const override { return input_.client().isActive(); }
    QString remoteAddress() const override { return input_.client().address(); }
    void setRemoteAddress(const QString& address) override { input_.client().setAddress(address); }
    int remotePort() const override { return input_.client().port(); }
    void setRemotePort(int port) override { input_.client().setPort(quint16(port)); }
    int logInterval() const override { return logIntervalOf ? logIntervalOf() : 0; }
    void setLogInterval(int ms) override {
        if (setLogIntervalOf)
            setLogIntervalOf(ms);
    }
    bool active() const override { return isActive && isActive(); }
    void runAktivCommand() override {
        if (toggleActive)
            toggleActive();
    }

private:
    StationInput& input_;
    QString savedPort_ = QString::fromLatin1(SerialLink::kBuiltInPortName);
    QString overridePort_;
};
