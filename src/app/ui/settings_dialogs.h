// Every settings dialog of the menu "&Einstellungen", created once at start-up (in the program's
// order, see DesktopProgram) over its model and reused at each opening, and the menu items that
// open them.
#pragma once

#include <memory>
#include <vector>

#include "config/aprs_settings_model.h"
#include "config/asynop_settings_model.h"
#include "config/client_server_settings_model.h"
#include "config/general_settings_model.h"
#include "config/profile_settings_model.h"
#include "config/ui/folder_picker_dialog.h"
#include "config/weather_log_settings_model.h"
#include "config/wingt_settings_model.h"
#include "geo/locator_window_model.h"
#include "publish/mqtt_settings_model.h"
#include "publish/upload_settings_model.h"
#include "station/serial_setup_model.h"
#include "web/web_settings_model.h"

class AprsDialog;
class AsynopDialog;
class QDialog;
class ClientServerDialog;
class GeneralDialog;
class LocatorWindow;
class MqttDialog;
class UploadDialog;
class Uploads;
class WebDialog;
class WebServer;
class ProfileDialog;
class WinGTDialog;
class QWidget;
class SerialSetupDialog;
class SettingsHost;
class StationProgram;
class WeatherLogDialog;
struct MainMenu;

class SettingsDialogs {
public:
    // The dialogs stand over `parent` (the main window) and change the program's settings, and
    // through `host` the values the window and the links hold. Declare the holder after the
    // window it stands over: it deletes its dialogs before the window goes.
    SettingsDialogs(StationProgram& program, SettingsHost& host, QWidget* parent);
    ~SettingsDialogs();

    enum class Dialog {
        General,
        Aprs,
        WeatherLog,
        Profiles,  // with "Neues Profil"
        FolderPicker,
        WinGT,
        Locator,
        Asynop,
        ClientServer,
        SerialSetup,
        Mqtt,
        Cwop,
        Wu,
        Web
    };
    // Creates one dialog, hidden.
    void create(Dialog dialog);

    // Each item of "&Einstellungen" opens its dialog.
    void connectMenu(const MainMenu& menu);

    // Every dialog, in the order they were created.
    std::vector<QDialog*> all() const;

    FolderPickerDialog& folderPicker() const { return *folderPicker_; }
    GeneralDialog& general() const { return *general_; }
    AprsDialog& aprs() const { return *aprs_; }
    WeatherLogDialog& weatherLog() const { return *weatherLog_; }
    ClientServerDialog& clientServer() const { return *clientServer_; }
    SerialSetupDialog& serialSetup() const { return *serialSetup_; }
    ProfileDialog& profiles() const { return *profiles_; }
    WinGTDialog& wingt() const { return *wingt_; }
    LocatorWindow& locator() const { return *locator_; }
    AsynopDialog& asynop() const { return *asynop_; }
    MqttDialog& mqtt() const { return *mqtt_; }
    UploadDialog& cwop() const { return *cwop_; }
    UploadDialog& wu() const { return *wu_; }
    WebDialog& web() const { return *web_; }

private:
    // What a dialog's "Durchsuchen..." calls: the one folder picker of the program.
    FolderChooser folderChooser();

    StationProgram& program_;
    SettingsHost& host_;
    QWidget* parent_;

    GeneralSettingsModel generalModel_;
    AprsSettingsModel aprsModel_;
    WeatherLogSettingsModel weatherLogModel_;
    ProfileSettingsModel profileModel_;
    WinGTSettingsModel wingtModel_;
    LocatorWindowModel locatorModel_;
    AsynopSettingsModel asynopModel_;
    ClientServerSettingsModel clientServerModel_;
    SerialSetupModel serialSetupModel_;
    MqttSettingsModel mqttModel_;
    CwopSettingsModel cwopModel_;
    WuSettingsModel wuModel_;
    Uploads& uploads_;  // the dialogs' "Jetzt senden"
    WebSettingsModel webModel_;
    WebServer& webServer_;  // tells the dialog when the page runs

    std::unique_ptr<GeneralDialog> general_;
    std::unique_ptr<AprsDialog> aprs_;
    std::unique_ptr<WeatherLogDialog> weatherLog_;
    std::unique_ptr<ProfileDialog> profiles_;
    std::unique_ptr<FolderPickerDialog> folderPicker_;
    std::unique_ptr<WinGTDialog> wingt_;
    std::unique_ptr<LocatorWindow> locator_;
    std::unique_ptr<AsynopDialog> asynop_;
    std::unique_ptr<ClientServerDialog> clientServer_;
    std::unique_ptr<SerialSetupDialog> serialSetup_;
    std::unique_ptr<MqttDialog> mqtt_;
    std::unique_ptr<UploadDialog> cwop_;
    std::unique_ptr<UploadDialog> wu_;
    std::unique_ptr<WebDialog> web_;
};
