#include "app/ui/settings_dialogs.h"

#include <QAction>

#include "config/ui/folder_picker_dialog.h"
#include "config/ui/general_dialog.h"
#include "display/ui/main_menu.h"
#include "program/station_program.h"

SettingsDialogs::SettingsDialogs(StationProgram& program, SettingsHost& host, QWidget* parent)
    : program_(program), host_(host), generalModel_(program.settings) {
    // In the order of the program's secondary windows.
    general_ = std::make_unique<GeneralDialog>(generalModel_, parent);
    folderPicker_ = std::make_unique<FolderPickerDialog>(parent);
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
}
