// The dialog "Allgemein": which files are written on activation, the EOF mark of the WinGT pages,
// the rain gauge and the time zone.
#pragma once

#include "base/ui/settings_dialog.h"

class GeneralSettingsModel;
class QCheckBox;
class QComboBox;
class QRadioButton;

class GeneralDialog : public SettingsDialog {
    Q_OBJECT
public:
    GeneralDialog(GeneralSettingsModel& model, QWidget* parent = nullptr);

protected:
    void showFields() override;
    void readFields() override;

private:
    GeneralSettingsModel& model_;
    QCheckBox* autoImport_;
    QCheckBox* autoRead_;
    QCheckBox* autoLog_;
    QCheckBox* autoAPRS_;
    QCheckBox* eofMark_;
    QRadioButton* normalGauge_;
    QRadioButton* rebuiltGauge_;
    QCheckBox* heatedGauge_;
    QComboBox* timeZone_;
};
