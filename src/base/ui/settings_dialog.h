// The window every settings dialog shares: modal, its model filled and shown in the controls each
// time it opens, "OK" the default button (Enter), "Abbrechen" on Escape. "OK" takes nothing while
// a field cannot be taken: the message is shown, the dialog stays open with that field focused.
#pragma once

#include <QDialog>

class DialogModel;
class QBoxLayout;
class QDialogButtonBox;
class QPushButton;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(DialogModel& model, const QString& caption, QWidget* parent = nullptr);

    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // "OK": the controls into the model, then the model's contract (see DialogModel::take).
    void accept() override;

protected:
    // The model's fields into the controls; called each time the dialog is shown, after the model
    // was filled from the settings.
    virtual void showFields() = 0;
    // The controls into the model's fields; called by "OK" before the model takes them.
    virtual void readFields() = 0;

    // The subclass puts its groups here; the button row stands below it.
    QBoxLayout* content() const { return content_; }
    // The row of buttons: "OK" and "Abbrechen", a subclass may add its own before them.
    QDialogButtonBox* buttonRow() const { return buttons_; }

    void showEvent(QShowEvent* event) override;

public:
    // Shown, the dialog keeps the text of the field that gets the focus: Qt would select it all,
    // and one key would then replace a folder.
    void setVisible(bool visible) override;

private:
    // Brings the field to the front (its page of a tab widget too), focuses it and selects its
    // text.
    void focusField(QWidget* field);

    DialogModel& model_;
    QBoxLayout* content_;
    QDialogButtonBox* buttons_;
    QPushButton* ok_;
    QPushButton* cancel_;
};
