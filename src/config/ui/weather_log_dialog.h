// The dialog "Wetterlog Einstellungen": the log folder with its week and month folders, when a
// new log file begins, the snapshot period in minutes and "Spitzenwerte festhalten".
#pragma once

#include <array>

#include "base/ui/settings_dialog.h"
#include "config/ui/folder_picker_dialog.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class WeatherLogSettingsModel;

class WeatherLogDialog : public SettingsDialog {
    Q_OBJECT
public:
    WeatherLogDialog(WeatherLogSettingsModel& model, FolderChooser chooseFolder,
                     QWidget* parent = nullptr);

protected:
    void showFields() override;
    void readFields() override;

private:
    void enableFolderOptions();

    WeatherLogSettingsModel& model_;
    QLineEdit* folder_;
    QPushButton* browse_;
    QGroupBox* combine_;
    QCheckBox* weekFolders_;
    QCheckBox* monthFolders_;
    std::array<QRadioButton*, 3> newFile_;
    QLineEdit* minutes_;
    QCheckBox* catchPeak_;
};
