// The dialog "Client/Server": the client connection to a station server (switched at once on
// "OK"), and the server half, shown disabled: the program never serves data itself.
#pragma once

#include "base/ui/settings_dialog.h"

class ClientServerSettingsModel;
class QCheckBox;
class QLineEdit;

class ClientServerDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit ClientServerDialog(ClientServerSettingsModel& model, QWidget* parent = nullptr);

protected:
    void showFields() override;
    void readFields() override;

private:
    void enableServerFields();

    ClientServerSettingsModel& model_;
    QCheckBox* clientActive_;
    QLineEdit* address_;
    QLineEdit* port_;
};
