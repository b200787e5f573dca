// The dialog "WinGT Einstellungen": the pages "Importdatei" and "Readdatei" with the WinGT folders
// and schedules; on the Read page "Nur manuell erstellen" and "einmal pro Minute" exclude each
// other. "OK" writes both schedule lists to wetterpult.ini at once.
#pragma once

#include "base/ui/settings_dialog.h"
#include "config/ui/folder_picker_dialog.h"

class QCheckBox;
class QTabWidget;
class SchedulePage;
class WinGTSettingsModel;

class WinGTDialog : public SettingsDialog {
    Q_OBJECT
public:
    WinGTDialog(WinGTSettingsModel& model, FolderChooser chooseFolder, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }

protected:
    void showFields() override;
    void readFields() override;

private:
    void showReadBoxes();

    WinGTSettingsModel& model_;
    QTabWidget* pages_;
    SchedulePage* import_;
    SchedulePage* read_;
    QCheckBox* everyMinute_;
};
