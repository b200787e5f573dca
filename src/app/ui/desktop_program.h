// The desktop program: the main window on top of the program's working parts. The window shows
// the station data, the scheduler's caption and status panels and the "Aktiv" switch; its menu
// commands go to the scheduler, its close box to the shut-down steps.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "app/app_options.h"
#include "app/ui/settings_dialogs.h"
#include "app/ui/view_windows.h"
#include "archive/ui/verlauf_window.h"
#include "display/main_window_actions.h"
#include "display/ui/form1.h"
#include "display/ui/window_settings_host.h"
#include "outputs/read_page_print.h"
#include "program/station_program.h"

class ServicesWindow;

class DesktopProgram : public QObject, public MainWindowActions {
    Q_OBJECT
public:
    DesktopProgram(const AppOptions& options, const QString& programFolder);

    // The start-up steps (the settings loaded, the window shown); goes active when the settings
    // or --activate ask for it, then carries out the --run commands.
    void start();
    Form1& window() { return form_; }
    const StationData& station() const { return program_.data; }
    StationProgram& program() { return program_; }
    // The settings dialogs, created by start().
    SettingsDialogs& settingsDialogs() { return *dialogs_; }
    // The windows of "&Ansicht" and "Hilfe", created by start().
    ViewWindows& viewWindows() { return *views_; }
    // "&Ansicht" -> "Verlauf" (F5): the archive's charts, created on first use.
    VerlaufWindow& showVerlauf();

    bool toggleActive() override;
    void runNow(const QString& command) override { program_.runNow(command); }
    void printNow() override;
    bool mayClose() override;

private:
    // The about box, the alarm overview, the windows of "&Ansicht" and the settings dialogs.
    void createSecondaryWindows();
    void showTitle();
    // A group came: its boxes are shown now if nothing was shown since the clock's last second
    // (or for a second), else with the next second.
    void groupArrived(std::uint8_t groupByte);
    void showArrivedGroups();
    // A second of the clock (or, with the switch off, the fallback timer): what waited is shown.
    void secondForDisplay();

    const AppOptions options_;
    const QString folder_;
    StationProgram program_;
    ReadPagePrinter printer_;
    Form1 form_;
    WindowSettingsHost host_;
    std::unique_ptr<ViewWindows> views_;
    std::unique_ptr<SettingsDialogs> dialogs_;
    VerlaufWindow* verlauf_ = nullptr;            // owned by the main window
    DisplayGroups arrivedGroups_{};               // not shown yet
    static constexpr int kDisplayPauseMs = 1000;  // between refreshes without seconds
    static constexpr int kSecondsStopMs = 1500;   // no second for so long: they have stopped
    bool shownThisSecond_ = false;                // a display refresh since the clock's last second
    QElapsedTimer lastShown_;
    QElapsedTimer lastSecond_;            // the clock's last second
    QTimer displayPause_;                 // ends the wait where no second of the clock comes
    ServicesWindow* services_ = nullptr;  // "Dienste", owned by the main window
};
