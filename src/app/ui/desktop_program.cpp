#include "app/ui/desktop_program.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <variant>

#include "archive/ui/log_import_dialog.h"
#include "base/app_clock.h"
#include "base/ui/screen_place.h"
#include "display/ui/main_menu.h"
#include "display/ui/readme_opener.h"
#include "display/ui/thermometer_window.h"
#include "display/ui/top_band.h"
#include "outputs/report_page.h"
#include "publish/ui/services_window.h"
#include "station/group_table.h"

DesktopProgram::DesktopProgram(const AppOptions& options, const QString& programFolder)
    : options_(options), folder_(programFolder), host_(form_, program_.links) {
    program_.useSettingsHost(host_);
    if (!options_.port.isEmpty())
        program_.links.overridePort(options_.port);
    if (!options_.clientHost.isEmpty())
        program_.links.overrideServer(options_.clientHost, options_.clientPort);
    form_.setActions(this);
    form_.setProgramFolder(programFolder);

    StationInput& input = program_.input;
    connect(&input.serialLink(), &SerialLink::bytesReceived, this,
            [this](const QByteArray& chunk) { form_.bytesReceived(chunk); });
    connect(
        &input, &StationInput::groupChecked, this,
        [this](std::uint8_t, int row, const QString& text) { form_.checksumResult(row, text); });
    connect(&input, &StationInput::refreshed, this, &DesktopProgram::groupArrived);
    displayPause_.setSingleShot(true);
    // While the clock's seconds come, the groups that came are shown with the next second, in the
    // same repaint as the countdowns and the receive lamp. Without seconds (the switch off) the
    // first is shown at once and later ones a second after it.
    connect(&displayPause_, &QTimer::timeout, this, &DesktopProgram::secondForDisplay);
    connect(&program_.clock, &SchedulerClock::secondTicked, this, [this] {
        lastSecond_.start();
        secondForDisplay();
    });
    // At the end of every tick and after each switch: caption, status panels and the switch.
    program_.title.onChanged = [this] { showTitle(); };
    // The MQTT publisher's state at the right of the status bar, shown while it is switched on.
    auto* mqttStatus = new QLabel(&form_);
    mqttStatus->setObjectName(QStringLiteral("MQTTStatus"));
    mqttStatus->setVisible(false);
    form_.statusBar()->addPermanentWidget(mqttStatus);
    connect(&program_.mqtt, &MqttPublisher::statusChanged, mqttStatus, [this, mqttStatus] {
        const QString text = program_.mqtt.statusText();
        mqttStatus->setText(text);
        mqttStatus->setAccessibleName(text);
        mqttStatus->setVisible(!text.isEmpty());
    });
    // The uploads' states beside it ("CWOP: 14:20 ok  WU: Fehler seit 14:05").
    auto* uploadStatus = new QLabel(&form_);
    uploadStatus->setObjectName(QStringLiteral("DiensteStatus"));
    uploadStatus->setVisible(false);
    form_.statusBar()->addPermanentWidget(uploadStatus);
    connect(&program_.uploads, &Uploads::stateChanged, uploadStatus, [this, uploadStatus] {
        const QString text = program_.uploads.statusLine();
        uploadStatus->setText(text);
        uploadStatus->setAccessibleName(text);
        uploadStatus->setVisible(!text.isEmpty());
    });
}

void DesktopProgram::start() {
    program_.lifecycle.startUp(folder_);
    // The secondary windows come after the start-up steps, each once for the whole run.
    views_ = std::make_unique<ViewWindows>(form_, program_.data,
                                           readmePath(QCoreApplication::applicationDirPath()));
    dialogs_ = std::make_unique<SettingsDialogs>(program_, host_, &form_);
    createSecondaryWindows();
    views_->connectMenu();
    // The thermometer redraws with the program's second, not in a wake-up of its own.
    connect(&program_.clock, &SchedulerClock::secondTicked, &views_->thermometer(),
            &ThermometerWindow::secondPassed);
    dialogs_->connectMenu(form_.menu());
    connect(form_.menu().Verlauf1, &QAction::triggered, this, [this] { showVerlauf(); });
    services_ = new ServicesWindow(program_.uploads, &form_);
    connect(form_.menu().Dienste1, &QAction::triggered, services_, [this] {
        services_->show();
        services_->raise();
    });
    connect(form_.menu().WetterlogImportieren1, &QAction::triggered, this, [this] {
        importLogsWithDialog(&form_, program_.settings.archivePath(), program_.settings.LogOrdner);
        if (verlauf_)
            verlauf_->showRange(verlauf_->range());
    });
    form_.setPortName(program_.input.serialLink().portName());
    form_.show();
    if (options_.activate && !program_.scheduler.isActive())
        toggleActive();
    for (const QString& action : options_.runs)
        program_.runNow(action);
}

void DesktopProgram::createSecondaryWindows() {
    using View = ViewWindows::Window;
    using Dialog = SettingsDialogs::Dialog;
    // The program's own order of creation. No window needs another to exist first (each reads the
    // program only when it is shown, the folder picker only when "Durchsuchen..." asks for it);
    // the order is what the main window's list of child windows shows, and keeps, as it always
    // has: view windows and settings dialogs taking turns.
    const std::variant<View, Dialog> inOrder[] = {
        View::About,         View::Alarms,     Dialog::General,
        View::Thermometer,   Dialog::Aprs,     View::Explorer,
        Dialog::WeatherLog,  Dialog::Profiles, Dialog::FolderPicker,
        View::Rose,          Dialog::WinGT,    Dialog::Locator,
        View::Sun,           Dialog::Asynop,   Dialog::ClientServer,
        Dialog::SerialSetup, Dialog::Mqtt,     Dialog::Cwop,
        Dialog::Wu,          Dialog::Web};
    for (const auto& window : inOrder) {
        if (const View* view = std::get_if<View>(&window))
            views_->create(*view);
        else
            dialogs_->create(std::get<Dialog>(window));
    }
}

VerlaufWindow& DesktopProgram::showVerlauf() {
    if (!verlauf_) {
        verlauf_ = new VerlaufWindow(&form_);
        verlauf_->follow(program_.archive.writer());
        connect(&program_.archive, &ArchiveFeed::writerStarted, verlauf_, &VerlaufWindow::follow);
        // Centred on the main window, no larger than the screen, its title bar on it.
        placeOnScreen(*verlauf_, QRect(form_.geometry().center() - verlauf_->rect().center(),
                                       verlauf_->size()));
    }
    verlauf_->setArchive(program_.settings.archivePath());
    verlauf_->show();
    verlauf_->raise();
    return *verlauf_;
}

void DesktopProgram::groupArrived(std::uint8_t groupByte) {
    if (const GroupInfo* group = groupFor(groupByte))
        arrivedGroups_[std::size_t(group->index)] = true;
    const bool secondsCome = lastSecond_.isValid() && !lastSecond_.hasExpired(kSecondsStopMs);
    if (!secondsCome && (!shownThisSecond_ || lastShown_.hasExpired(kDisplayPauseMs)))
        showArrivedGroups();
    else if (!displayPause_.isActive())
        // Shown by then if the seconds have stopped since.
        displayPause_.start(secondsCome ? kSecondsStopMs : kDisplayPauseMs);
}

void DesktopProgram::secondForDisplay() {
    displayPause_.stop();
    shownThisSecond_ = false;
    showArrivedGroups();
}

void DesktopProgram::showArrivedGroups() {
    if (arrivedGroups_ == DisplayGroups{})
        return;
    form_.FillDisplay(program_.data, arrivedGroups_);
    arrivedGroups_ = {};
    shownThisSecond_ = true;
    lastShown_.start();
}

void DesktopProgram::showTitle() {
    const TitleBar& title = program_.title.bar();
    const std::array<QString, 6> panels = title.panels();
    form_.Titelleiste(title.caption(), {panels[1], panels[2], panels[3], panels[4], panels[5]});
    form_.setAsynopStatus(panels[0]);
    form_.setActive(program_.scheduler.isActive());
    // The receive lamp goes out in the same repaint as the countdowns.
    form_.topBand()->secondPassed();
}

bool DesktopProgram::toggleActive() {
    // A port that does not open has been reported; the switch stays where the scheduler put it.
    program_.links.runAktivCommand();
    return program_.scheduler.isActive();
}

void DesktopProgram::printNow() {
    const Settings& settings = program_.settings;
    program_.outputs.writeReport(1);
    printer_.print(
        ReportPagePath(settings, 1),
        ReadPagePrinter::copyPath(settings, AppClock::currentDateTime(), Formats::german()));
}

bool DesktopProgram::mayClose() {
    return program_.lifecycle.shutDown();
}
