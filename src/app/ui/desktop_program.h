// The desktop program: the main window with the station input, the settings file, the output
// writers and the print command wired to it. It carries out the window's menu commands.
#pragma once

#include <QObject>

#include "app/app_options.h"
#include "app/ui/desktop_links_host.h"
#include "config/settings.h"
#include "display/main_window_actions.h"
#include "display/ui/form1.h"
#include "display/ui/window_settings_host.h"
#include "outputs/asynop_state.h"
#include "outputs/output_writers.h"
#include "outputs/read_page_print.h"
#include "station/station_input.h"

class DesktopProgram : public QObject, public MainWindowActions {
    Q_OBJECT
public:
    DesktopProgram(const AppOptions& options, const QString& programFolder);

    // Loads the settings, shows the window and goes active when the settings or the command line
    // ask for it.
    void start();
    Form1& window() { return form_; }
    const StationData& station() const { return data_; }

    bool toggleActive() override;
    void writeImportNow() override { writers_.writeReport(2); }
    void writeReadNow() override { writers_.writeReport(1); }
    void updateLogNow() override { writers_.writeLog(); }
    void writeAprsNow() override { writers_.writeAprs(); }
    void asynopNewFile() override { writers_.asynopNewFile(); }
    void asynopAppendLine() override { writers_.asynopAppendLine(); }
    void asynopEndOfFile() override { writers_.asynopEndFile(); }
    void printNow() override;
    bool mayClose() override;

private:
    const AppOptions options_;
    StationData data_;
    Settings settings_;
    AsynopState asynop_;
    OutputWriters writers_;
    StationInput input_;
    ReadPagePrinter printer_;
    Form1 form_;
    DesktopLinksHost links_;
    WindowSettingsHost host_;
    bool active_ = false;
    int logInterval_ = 0;
};
