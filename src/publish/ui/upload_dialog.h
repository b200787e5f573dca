// The dialogs "CWOP / APRS-IS..." and "Weather Underground...": "Aktiv", the model's fields, and
// "Jetzt senden", which sends once with the values as they stand in the fields.
#pragma once

#include <vector>

#include "base/ui/settings_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UploadSettingsModel;
class Uploads;

class UploadDialog : public SettingsDialog {
    Q_OBJECT
public:
    UploadDialog(UploadSettingsModel& model, Uploads& uploads, QWidget* parent = nullptr);

    QPushButton* sendButton() const { return send_; }
    // The outcome of the last "Jetzt senden".
    QLabel* sendResult() const { return result_; }

protected:
    void showFields() override;
    void readFields() override;

private:
    void sendNow();

    UploadSettingsModel& model_;
    Uploads& uploads_;
    QCheckBox* active_;
    std::vector<QLineEdit*> edits_;
    QPushButton* send_;
    QLabel* result_;
    bool waiting_ = false;
};
