#include "app/ui/desktop_program.h"

#include "base/app_clock.h"
#include "config/settings_file.h"
#include "outputs/report_page.h"

DesktopProgram::DesktopProgram(const AppOptions& options, const QString& programFolder)
    : options_(options),
      writers_(OutputContext{data_, settings_, asynop_}),
      input_(data_),
      links_(input_),
      host_(form_, links_) {
    settings_.setProgramFolder(programFolder);
    form_.setActions(this);
    form_.setProgramFolder(programFolder);

    connect(&input_.serialLink(), &SerialLink::bytesReceived, this,
            [this](const QByteArray& chunk) { form_.bytesReceived(chunk); });
    connect(&input_, &StationInput::groupChecked, this,
            [this](std::uint8_t, int row, bool ok) { form_.checksumResult(row, ok); });
    connect(&input_, &StationInput::refreshed, this, [this] { form_.FillDisplay(data_); });
    connect(&input_, &StationInput::lost, this, [this] {
        // The port or the server went away (the user has been told): the switch goes off.
        if (active_)
            toggleActive();
    });

    links_.toggleActive = [this] { return toggleActive(); };
    links_.isActive = [this] { return active_; };
    links_.logIntervalOf = [this] { return logInterval_; };
    links_.setLogIntervalOf = [this](int ms) { logInterval_ = ms; };
}

void DesktopProgram::start() {
    links_.overridePort(options_.port);
    LoadSettings(settings_, host_);
    if (!options_.clientHost.isEmpty()) {
        input_.client().setAddress(options_.clientHost);
        input_.client().setPort(options_.clientPort);
    }
    // The command line overrides the settings file for this run only.
    input_.setClientMode(!options_.clientHost.isEmpty() ||
                         (options_.port.isEmpty() && settings_.ClientActive));
    form_.setPortName(input_.serialLink().portName());
    form_.show();
    // A station named on the command line is read at once, as the program without windows does.
    const bool named = !options_.port.isEmpty() || !options_.clientHost.isEmpty();
    if (named && !active_)
        toggleActive();
}

bool DesktopProgram::toggleActive() {
    active_ = !active_;
    if (active_)
        input_.activate();  // a port that does not open has been reported; the switch stays on
    else
        input_.deactivate();
    form_.setActive(active_);
    return active_;
}

void DesktopProgram::printNow() {
    writers_.writeReport(1);
    printer_.print(
        ReportPagePath(settings_, 1),
        ReadPagePrinter::copyPath(settings_, AppClock::currentDateTime(), Formats::german()));
}

bool DesktopProgram::mayClose() {
    if (!SaveSettings(settings_, host_))
        return false;
    input_.shutdown();
    return true;
}
