// The dialog "Neues Profil" of "&Neu...": one name field that keeps the text last entered. "OK"
// hands the name to the profiles dialog, which may refuse it; a refused name is told and the
// dialog stays open on it.
#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

class NewProfileDialog : public QDialog {
    Q_OBJECT
public:
    // Takes the name and returns why it is refused, or empty when it was taken.
    using TakeName = std::function<QString(const QString& name)>;

    explicit NewProfileDialog(QWidget* parent = nullptr);

    // Opens modally; `take` is called with the name on "OK". True when a name was taken.
    bool ask(TakeName take);

    QLineEdit* nameField() const { return name_; }
    void accept() override;

private:
    QLineEdit* name_;
    TakeName take_;
};
