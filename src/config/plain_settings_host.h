// A settings host that keeps the window-held values as plain values: the headless program's host
// until the scheduler takes over "Aktiv", and the host the tests use.
#pragma once

#include <array>
#include <functional>

#include "config/settings_host.h"

class PlainSettingsHost : public SettingsHost {
public:
    WindowBounds bounds;
    QString port = QStringLiteral("COM3");  // the port object's name before settings are loaded
    bool client = false;
    QString address;
    int serverPort = 0;
    int logMilliseconds = 0;
    std::array<WinColor, kPanelCount> colors{};
    std::array<int, kPanelCount> fontSizes{};
    std::array<WinColor, kPanelCount> fontColors{};
    bool aktiv = false;
    int aktivCommands = 0;  // how often the "Aktiv" command was carried out
    // Called after each "Aktiv" command with the new state; the program hooks its activation here.
    std::function<void(bool)> onAktiv;

    WindowBounds windowBounds() const override { return bounds; }
    void setWindowBounds(const WindowBounds& b) override { bounds = b; }
    QString portName() const override { return port; }
    void setPortName(const QString& name) override { port = name; }
    bool clientOpen() const override { return client; }
    QString remoteAddress() const override { return address; }
    void setRemoteAddress(const QString& a) override { address = a; }
    int remotePort() const override { return serverPort; }
    void setRemotePort(int p) override { serverPort = p; }
    int logInterval() const override { return logMilliseconds; }
    void setLogInterval(int ms) override { logMilliseconds = ms; }
    WinColor panelColor(int panel) const override { return colors[slot(panel)]; }
    void setPanelColor(int panel, WinColor c) override { colors[slot(panel)] = c; }
    int panelFontSize(int panel) const override { return fontSizes[slot(panel)]; }
    void setPanelFontSize(int panel, int points) override { fontSizes[slot(panel)] = points; }
    WinColor panelFontColor(int panel) const override { return fontColors[slot(panel)]; }
    void setPanelFontColor(int panel, WinColor c) override { fontColors[slot(panel)] = c; }
    bool active() const override { return aktiv; }
    void runAktivCommand() override;

private:
    static std::size_t slot(int panel) { return std::size_t(panel - kFirstPanel); }
};
