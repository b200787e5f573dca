// The settings host of the desktop program: the values the main window holds (its bounds, the
// value boxes' colours and fonts) come from Form1; everything else (port, client socket, log
// timer, "Aktiv") from the host of the program's links and scheduler.
#pragma once

#include "config/settings_host.h"

class Form1;

class WindowSettingsHost : public SettingsHost {
public:
    WindowSettingsHost(Form1& form, SettingsHost& links) : form_(form), links_(links) {}

    // Width and height are the window's size without the desktop's frame, top and left the
    // frame's position: what is saved comes back unchanged at the next start.
    WindowBounds windowBounds() const override;
    void setWindowBounds(const WindowBounds& bounds) override;

    WinColor panelColor(int panel) const override;
    void setPanelColor(int panel, WinColor color) override;
    int panelFontSize(int panel) const override;
    void setPanelFontSize(int panel, int points) override;
    WinColor panelFontColor(int panel) const override;
    void setPanelFontColor(int panel, WinColor color) override;

    QString portName() const override { return links_.portName(); }
    void setPortName(const QString& name) override;
    bool clientOpen() const override { return links_.clientOpen(); }
    QString remoteAddress() const override { return links_.remoteAddress(); }
    void setRemoteAddress(const QString& address) override { links_.setRemoteAddress(address); }
    int remotePort() const override { return links_.remotePort(); }
    void setRemotePort(int port) override { links_.setRemotePort(port); }
    int logInterval() const override { return links_.logInterval(); }
    void setLogInterval(int milliseconds) override { links_.setLogInterval(milliseconds); }
    bool active() const override { return links_.active(); }
    void runAktivCommand() override { links_.runAktivCommand(); }

private:
    Form1& form_;
    SettingsHost& links_;
};
