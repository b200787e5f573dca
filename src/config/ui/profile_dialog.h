// The dialog "Profile": choose a report profile, add one with "&Neu...", delete it with "&Löschen"
// after a confirmation, and edit its recipient, sender, subject, texts and interval. Adding,
// deleting and "&Speichern" change the profile table at once; "OK" stores the shown fields too.
#pragma once

#include "base/ui/settings_dialog.h"

class NewProfileDialog;
class ProfileSettingsModel;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

class ProfileDialog : public SettingsDialog {
    Q_OBJECT
public:
    ProfileDialog(ProfileSettingsModel& model, QWidget* parent = nullptr);

    NewProfileDialog& newProfileDialog() const { return *newProfile_; }

protected:
    void showFields() override;
    void readFields() override;

private:
    void showProfileNames();
    void newProfile();
    void deleteProfile();
    void storeProfile();

    ProfileSettingsModel& model_;
    NewProfileDialog* newProfile_;
    QComboBox* names_;
    QLineEdit* absender_;
    QLineEdit* empfaenger_;
    QLineEdit* betreff_;
    QPlainTextEdit* vor_;
    QPlainTextEdit* nach_;
    QRadioButton* likeImport_;
    QRadioButton* daily_;
    QLineEdit* time_;
};
