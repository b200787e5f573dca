#include "app/ui/settings_dialogs.h"

#include <QAction>

#include "config/ui/aprs_dialog.h"
#include "config/ui/client_server_dialog.h"
#include "config/ui/general_dialog.h"
#include "config/ui/weather_log_dialog.h"
#include "display/ui/main_menu.h"
#include "program/station_program.h"
#include "station/ui/serial_setup_dialog.h"

namespace {
InputSwitches switchesOf(InputControl& input) {
    return {[&input] { return input.openSerial(); }, [&input] { input.closeSerial(); },
            [&input] { input.openClient(); }, [&input] { input.closeClient(); }};
}
}  // namespace

SettingsDialogs::SettingsDialogs(StationProgram& program, SettingsHost& host, QWidget* parent)
    : program_(program),
      host_(host),
      generalModel_(program.settings),
      aprsModel_(program.settings, [&program] { program.outputs.writeAprs(); }),
      weatherLogModel_(program.settings, host),
      clientServerModel_(host, switchesOf(program.control)),
      serialSetupModel_(program.input.serialLink(),
                        [&host](const QString& name) { host.setPortName(name); }) {
    // In the order of the program's secondary windows.
    general_ = std::make_unique<GeneralDialog>(generalModel_, parent);
    aprs_ = std::make_unique<AprsDialog>(aprsModel_, folderChooser(), parent);
    weatherLog_ = std::make_unique<WeatherLogDialog>(weatherLogModel_, folderChooser(), parent);
    folderPicker_ = std::make_unique<FolderPickerDialog>(parent);
    clientServer_ = std::make_unique<ClientServerDialog>(clientServerModel_, parent);
    serialSetup_ = std::make_unique<SerialSetupDialog>(serialSetupModel_, parent);
}

SettingsDialogs::~SettingsDialogs() = default;

std::vector<QDialog*> SettingsDialogs::all() const {
    return {general_.get(),      aprs_.get(),         weatherLog_.get(),
            folderPicker_.get(), clientServer_.get(), serialSetup_.get()};
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
    opens(menu.Wetterlog1, weatherLog_.get());
    opens(menu.COMPort1, serialSetup_.get());
    opens(menu.ClientServer1, clientServer_.get());
}
