// The windows of the menus "&Ansicht" and "Hilfe" (about box, alarm overview, thermometer,
// explorer, wind rose, sun), each created once at start-up (in the program's order, see
// DesktopProgram) and hidden, and the menu items, the context menu's "graphische Anzeige..." and
// the display refresh that drive them.
#pragma once

#include <QString>
#include <memory>

#include "station/weather_record.h"

class AboutBox;
class AlarmWindow;
class ExplorerWindow;
class Form1;
class SunWindow;
class ThermometerWindow;
class WindRoseWindow;
class QWidget;

class ViewWindows {
public:
    // The windows stand over `form` and read `station`; "ReadMe..." opens `readmePath`.
    ViewWindows(Form1& form, const StationData& station, QString readmePath);
    ~ViewWindows();

    enum class Window { About, Alarms, Thermometer, Explorer, Rose, Sun };
    // Creates one window, hidden.
    void create(Window window);
    // Wires the menu items, "graphische Anzeige..." and the rose's refresh; every window has been
    // created.
    void connectMenu();

    AboutBox& about() const { return *about_; }
    AlarmWindow& alarms() const { return *alarms_; }
    ThermometerWindow& thermometer() const { return *thermometer_; }
    ExplorerWindow& explorer() const { return *explorer_; }
    WindRoseWindow& rose() const { return *rose_; }
    SunWindow& sun() const { return *sun_; }

    // The menu commands.
    void Windrose1Click();
    void Alarme1Click();
    void Quecksilber1Click();
    // "graphische Anzeige..." on box `number` of the main window.
    void graphicView(int number);
    void openReadme();

private:
    // Shows a tool window, centred over the main window the first time, and brings it to front.
    void showOver(QWidget* window);

    Form1& form_;
    const StationData& station_;
    const QString readmePath_;
    std::unique_ptr<AboutBox> about_;
    std::unique_ptr<AlarmWindow> alarms_;
    std::unique_ptr<ThermometerWindow> thermometer_;
    std::unique_ptr<ExplorerWindow> explorer_;
    std::unique_ptr<WindRoseWindow> rose_;
    std::unique_ptr<SunWindow> sun_;
};
