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
#include "publish/ui/upload_dialog.h"
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

SettingsDialogs::SettingsDialogs(StationProgram& program, SettingsHost& host, QWidget* parent)
    : program_(program),
      host_(host),
      parent_(parent),
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
      cwopModel_(program.settings),
      wuModel_(program.settings),
      uploads_(program.uploads),
      webModel_(
          program.settings, [&program] { program.web.apply(); },
          [&program] { return program.web.pageUrl().toString(); }),
      webServer_(program.web) {}

void SettingsDialogs::create(Dialog dialog) {
    QWidget* parent = parent_;
    switch (dialog) {
        case Dialog::General:
            general_ = std::make_unique<GeneralDialog>(generalModel_, parent);
            break;
        case Dialog::Aprs:
            aprs_ = std::make_unique<AprsDialog>(aprsModel_, folderChooser(), parent);
            break;
        case Dialog::WeatherLog:
            weatherLog_ =
                std::make_unique<WeatherLogDialog>(weatherLogModel_, folderChooser(), parent);
            break;
        case Dialog::Profiles:
            profiles_ = std::make_unique<ProfileDialog>(profileModel_, parent);
            break;
        case Dialog::FolderPicker:
            folderPicker_ = std::make_unique<FolderPickerDialog>(parent);
            break;
        case Dialog::WinGT:
            wingt_ = std::make_unique<WinGTDialog>(wingtModel_, folderChooser(), parent);
            break;
        case Dialog::Locator:
            locator_ = std::make_unique<LocatorWindow>(locatorModel_, parent);
            break;
        case Dialog::Asynop:
            asynop_ = std::make_unique<AsynopDialog>(asynopModel_, folderChooser(), parent);
            break;
        case Dialog::ClientServer:
            clientServer_ = std::make_unique<ClientServerDialog>(clientServerModel_, parent);
            break;
        case Dialog::SerialSetup:
            serialSetup_ = std::make_unique<SerialSetupDialog>(serialSetupModel_, parent);
            break;
        case Dialog::Mqtt:
            mqtt_ = std::make_unique<MqttDialog>(mqttModel_, parent);
            break;
        case Dialog::Cwop:
            cwop_ = std::make_unique<UploadDialog>(cwopModel_, uploads_, parent);
            break;
        case Dialog::Wu:
            wu_ = std::make_unique<UploadDialog>(wuModel_, uploads_, parent);
            break;
        case Dialog::Web:
            web_ = std::make_unique<WebDialog>(webModel_, parent);
            QObject::connect(&webServer_, &WebServer::runningChanged, web_.get(),
                             &WebDialog::refreshState);
            break;
    }
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
            cwop_.get(),
            wu_.get(),
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
    opens(menu.CWOP1, cwop_.get());
    opens(menu.WU1, wu_.get());
    opens(menu.Webseite1, web_.get());
}
