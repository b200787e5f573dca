// The dialog "Webseite...": switches the program's own web page on or off, with the address and
// port it is served on, and shows the page's address as a link once it runs.
#pragma once

#include "base/ui/settings_dialog.h"

class WebSettingsModel;
class QCheckBox;
class QLabel;
class QLineEdit;

class WebDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit WebDialog(WebSettingsModel& model, QWidget* parent = nullptr);

    // The page's address as a link, or why there is none.
    QLabel* stateLabel() const { return state_; }
    // The running server has started or stopped.
    void refreshState();

protected:
    void showFields() override;
    void readFields() override;

private:
    WebSettingsModel& model_;
    QCheckBox* active_;
    QLineEdit* address_;
    QLineEdit* port_;
    QLabel* state_;
};
