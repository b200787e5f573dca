// The dialog "APRS ": the APRS file's name and folder, the clock of its time stamp, its interval,
// and the current frame (the file is written anew each time the dialog opens).
#pragma once

#include "base/ui/settings_dialog.h"
#include "config/ui/folder_picker_dialog.h"

class AprsSettingsModel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class AprsDialog : public SettingsDialog {
    Q_OBJECT
public:
    AprsDialog(AprsSettingsModel& model, FolderChooser chooseFolder, QWidget* parent = nullptr);

protected:
    void showFields() override;
    void readFields() override;

private:
    AprsSettingsModel& model_;
    QLineEdit* fileName_;
    QLineEdit* folder_;
    QPushButton* browse_;
    QRadioButton* stationTime_;
    QRadioButton* computerTime_;
    QLineEdit* interval_;
    QPlainTextEdit* frame_;
};
