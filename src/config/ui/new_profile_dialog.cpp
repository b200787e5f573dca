#include "config/ui/new_profile_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/notifier.h"
#include "base/ui/dialog_parts.h"

NewProfileDialog::NewProfileDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NeuesProfil"));
    setWindowTitle(QStringLiteral("Neues Profil"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    name_ = lineEdit("Name", QString());
    layout->addWidget(buddyLabel(QStringLiteral("Name eingeben:"), name_));
    layout->addWidget(name_);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &NewProfileDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(260);
}

bool NewProfileDialog::ask(TakeName take) {
    take_ = std::move(take);
    name_->setFocus();
    name_->selectAll();
    const bool taken = exec() == QDialog::Accepted;
    take_ = nullptr;
    return taken;
}

void NewProfileDialog::accept() {
    const QString problem = take_ ? take_(name_->text()) : QString();
    if (!problem.isEmpty()) {
        reportError(problem);
        name_->setFocus();
        name_->selectAll();
        return;
    }
    QDialog::accept();
}
