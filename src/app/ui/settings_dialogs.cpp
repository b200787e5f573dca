#include "app/ui/settings_dialogs.h"

#include <QAction>
#include <QFile>

#include "base/text_file.h"
#include "config/ui/asynop_dialog.h"
#include "config/ui/folder_picker_dialog.h"
#include "config/ui/general_dialog.h"
#include "config/ui/profile_dialog.h"
#include "config/ui/wingt_dialog.h"
#include "display/ui/main_menu.h"
#include "geo/ui/locator_window.h"
#include "outputs/asynop_report.h"
#include "program/station_program.h"

namespace {

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
      generalModel_(program.settings),
      profileModel_(program.settings),
      wingtModel_(program.settings, scheduleTimes(program.scheduler)),
      locatorModel_(locatorSettings(program.settings)),
      asynopModel_(program.settings, asynopReport(program)) {
    // In the order of the program's secondary windows.
    general_ = std::make_unique<GeneralDialog>(generalModel_, parent);
    profiles_ = std::make_unique<ProfileDialog>(profileModel_, parent);  // with "Neues Profil"
    folderPicker_ = std::make_unique<FolderPickerDialog>(parent);
    wingt_ = std::make_unique<WinGTDialog>(wingtModel_, folderChooser(), parent);
    locator_ = std::make_unique<LocatorWindow>(locatorModel_, parent);
    asynop_ = std::make_unique<AsynopDialog>(asynopModel_, folderChooser(), parent);
}

SettingsDialogs::~SettingsDialogs() = default;

FolderChooser SettingsDialogs::folderChooser() {
    return [this](QString& folder) { return folderPicker_->choose(folder); };
}

void SettingsDialogs::connectMenu(const MainMenu& menu) {
    auto opens = [](QAction* item, QDialog* dialog) {
        QObject::connect(item, &QAction::triggered, dialog, [dialog] { dialog->exec(); });
    };
    opens(menu.Allgemein1, general_.get());
    opens(menu.WinGT1, wingt_.get());
    opens(menu.Profile1, profiles_.get());
    opens(menu.Locator1, locator_.get());
    opens(menu.ASYNOP1, asynop_.get());
}
