// The serial port's setup dialog "Setup" ("COM-Port..."): six lists for the port and its line
// settings; the port can also be typed as a device path.
#pragma once

#include <array>

#include "base/ui/settings_dialog.h"

class QComboBox;
class SerialSetupModel;

class SerialSetupDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit SerialSetupDialog(SerialSetupModel& model, QWidget* parent = nullptr);

protected:
    void showFields() override;
    void readFields() override;

private:
    SerialSetupModel& model_;
    QComboBox* port_;
    // Baud rate, data bits, stop bits, parity, flow control.
    std::array<QComboBox*, 5> line_;
};
