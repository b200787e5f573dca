// The values of the settings file that live in the main window's objects (window bounds, serial
// port name, client socket, log timer, panel colours and fonts, "Aktiv"). Loading pushes them in
// and saving reads them back through this interface; the main window and the headless program
// implement it.
#pragma once

#include <QString>
#include <QtGlobal>

// The main window's outer bounds in pixels.
struct WindowBounds {
    int height = 600;
    int width = 800;
    int top = 0;
    int left = 0;
    bool operator==(const WindowBounds&) const = default;
};

// The value panels whose colours and fonts are kept, numbered as in the keys Group2 ... Group11.
inline constexpr int kFirstPanel = 2;
inline constexpr int kLastPanel = 11;
inline constexpr int kPanelCount = kLastPanel - kFirstPanel + 1;

// A Windows colour value as the settings file stores it: 0x00BBGGRR for a plain colour, the top bit
// set plus an index for a colour of the desktop scheme (0x8000000F is the button face).
using WinColor = qint32;
inline constexpr WinColor kButtonFace = WinColor(0x8000000F);

class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    virtual WindowBounds windowBounds() const = 0;
    virtual void setWindowBounds(const WindowBounds& bounds) = 0;

    // The serial port's name as stored ("COM2", a device path, ...).
    virtual QString portName() const = 0;
    virtual void setPortName(const QString& name) = 0;

    // The client socket: whether it is open now, and the server's address and port.
    virtual bool clientOpen() const = 0;
    virtual QString remoteAddress() const = 0;
    virtual void setRemoteAddress(const QString& address) = 0;
    virtual int remotePort() const = 0;
    virtual void setRemotePort(int port) = 0;

    // The weather-log timer's period in milliseconds; setting it leaves its running state alone.
    virtual int logInterval() const = 0;
    virtual void setLogInterval(int milliseconds) = 0;

    // Panel n (kFirstPanel ... kLastPanel): background colour, font size in points, font colour.
    virtual WinColor panelColor(int panel) const = 0;
    virtual void setPanelColor(int panel, WinColor color) = 0;
    virtual int panelFontSize(int panel) const = 0;
    virtual void setPanelFontSize(int panel, int points) = 0;
    virtual WinColor panelFontColor(int panel) const = 0;
    virtual void setPanelFontColor(int panel, WinColor color) = 0;

    // Whether "Aktiv" is switched on now.
    virtual bool active() const = 0;
    // Carries out the "Aktiv" command once, exactly as if the user had chosen it.
    virtual void runAktivCommand() = 0;
};
