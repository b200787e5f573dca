// The dialog "ASYNOP": the page "Datei" (target file and folder, interval, the working file shown
// read-only, archive boxes) and the page "Daten" (sender, recipient, the subject that follows the
// sender, the lines above and below the data, the station's quadrant and position).
#pragma once

#include "base/ui/settings_dialog.h"
#include "config/ui/folder_picker_dialog.h"

class AsynopSettingsModel;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;

class AsynopDialog : public SettingsDialog {
    Q_OBJECT
public:
    AsynopDialog(AsynopSettingsModel& model, FolderChooser chooseFolder, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }

protected:
    void showFields() override;
    void readFields() override;

private:
    QWidget* filePage(FolderChooser chooseFolder);
    QWidget* dataPage();

    AsynopSettingsModel& model_;
    QTabWidget* pages_;
    QLineEdit* fileName_;
    QRadioButton* daily_;
    QRadioButton* fourTimes_;
    QLineEdit* folder_;
    QPlainTextEdit* workingFile_;
    QCheckBox* archive_;
    QCheckBox* monthFolders_;
    QCheckBox* weekFolders_;
    QLineEdit* sender_;
    QLineEdit* recipient_;
    QLineEdit* subject_;
    QLineEdit* lineAbove_;
    QLineEdit* lineBelow_;
    QLineEdit* quadrant_;
    QLineEdit* latitude_;
    QLineEdit* longitude_;
};
