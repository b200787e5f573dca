#include "app/ui/settings_dialogs.h"

#include <QAction>
#include <QFile>

#include "base/text_file.h"
#include "config/ui/aprs_dialog.h"
#include "config/ui/asynop_dialog.h"
#include "config/ui/client_server_dialog.h"
#include "config/ui/folder_picker_dialog.h"
#include "config/ui/general_dialog.h"
#include "config/ui/new_profile_dialog.h"
#include "config/ui/profile_dialog.h"
#include "config/ui/weather_log_dialog.h"
#include "config/ui/wingt_dialog.h"
#include "display/ui/main_menu.h"
#include "geo/ui/locator_window.h"
#include "outputs/asynop_report.h"
#include "program/station_program.h"
#include "publish/ui/mqtt_dialog.h"
#include "station/ui/serial_setup_dialog.h"
#include "web/ui/web_dialog.h"

namespace {
InputSwitches switchesOf(InputControl& input) {
    return {[&input] { return input.openSerial(); }, [&input] { input.closeSerial(); },
            [&input] { input.openClient(); }, [&input] { input.closeClient(); }};
}

// The next due times the WinGT dialog shows, and their new computation after its "OK".
ScheduleTimesLink scheduleTimes(Scheduler& scheduler) {
    return {[&scheduler] { return scheduler.nextImportTime(); },
            [&scheduler] { return scheduler.nextReadTime(); },
            [&scheduler] { scheduler.updateScheduleTimes(); }};
}

// The ASYNOP dialog's subject and working file: a missing working file is started first.
AsynopReportLink asynopReport(StationProgram& program) {
    return {program.asynop.AsynopSubject, [&program] {
                QFile file(AsynopWorkingFile(program.settings));
                if (!file.exists())
                    program.scheduler.asynopNewFile();
                return file.open(QIODevice::ReadOnly) ? textfile::fromWindows1252(file.readAll())
                                                      : QString();
            }};
}

LocatorSettingsLink locatorSettings(Settings& s) {
    return {s.MyLocator, s.ASYNOPLat, s.ASYNOPLong, s.ASYNOPErdquadrant};
}

}  // namespace

SettingsDialogs::SettingsDialogs(StationProgram& program, SettingsHost& host, QWidget* parent,
                                 const std::function<void()>& between)
    : program_(program),
      host_(host),
      generalModel_(program.settings),
      aprsModel_(program.settings, [&program] { program.outputs.writeAprs(); }),
      weatherLogModel_(program.settings, host),
      profileModel_(program.settings),
      wingtModel_(program.settings, scheduleTimes(program.scheduler)),
      locatorModel_(locatorSettings(program.settings)),
      asynopModel_(program.settings, asynopReport(program)),
      clientServerModel_(host, switchesOf(program.control)),
      serialSetupModel_(program.input.serialLink(),
                        [&host](const QString& name) { host.setPortName(name); }),
      mqttModel_(program.settings, [&program] { program.mqtt.apply(); }),
      webModel_(
          program.settings, [&program] { program.web.apply(); },
          [&program] { return program.web.pageUrl().toString(); }) {
    // In the order of the program's secondary windows.
    const auto others = [&between] {
        if (between)
            between();
    };
    general_ = std::make_unique<GeneralDialog>(generalModel_, parent);
    others();
    aprs_ = std::make_unique<AprsDialog>(aprsModel_, folderChooser(), parent);
    others();
    weatherLog_ = std::make_unique<WeatherLogDialog>(weatherLogModel_, folderChooser(), parent);
    profiles_ = std::make_unique<ProfileDialog>(profileModel_, parent);  // with "Neues Profil"
    folderPicker_ = std::make_unique<FolderPickerDialog>(parent);
    others();
    wingt_ = std::make_unique<WinGTDialog>(wingtModel_, folderChooser(), parent);
    locator_ = std::make_unique<LocatorWindow>(locatorModel_, parent);
    others();
    asynop_ = std::make_unique<AsynopDialog>(asynopModel_, folderChooser(), parent);
    clientServer_ = std::make_unique<ClientServerDialog>(clientServerModel_, parent);
    serialSetup_ = std::make_unique<SerialSetupDialog>(serialSetupModel_, parent);
    mqtt_ = std::make_unique<MqttDialog>(mqttModel_, parent);
    web_ = std::make_unique<WebDialog>(webModel_, parent);
    QObject::connect(&program.web, &WebServer::runningChanged, web_.get(),
                     &WebDialog::refreshState);
}

SettingsDialogs::~SettingsDialogs() = default;

std::vector<QDialog*> SettingsDialogs::all() const {
    return {general_.get(),
            aprs_.get(),
            weatherLog_.get(),
            profiles_.get(),
            &profiles_->newProfileDialog(),
            folderPicker_.get(),
            wingt_.get(),
            locator_.get(),
            asynop_.get(),
            clientServer_.get(),
            serialSetup_.get(),
            mqtt_.get(),
            web_.get()};
}

FolderChooser SettingsDialogs::folderChooser() {
    return [this](QString& folder) { return folderPicker_->choose(folder); };
}

void SettingsDialogs::connectMenu(const MainMenu& menu) {
    auto opens = [](QAction* item, QDialog* dialog) {
        QObject::connect(item, &QAction::triggered, dialog, [dialog] { dialog->exec(); });
    };
    opens(menu.Allgemein1, general_.get());
    opens(menu.APRS1, aprs_.get());
    opens(menu.WinGT1, wingt_.get());
    opens(menu.Wetterlog1, weatherLog_.get());
    opens(menu.Profile1, profiles_.get());
    opens(menu.COMPort1, serialSetup_.get());
    opens(menu.Locator1, locator_.get());
    opens(menu.ASYNOP1, asynop_.get());
    opens(menu.ClientServer1, clientServer_.get());
    opens(menu.MQTT1, mqtt_.get());
    opens(menu.Webseite1, web_.get());
}
