#include "web/ui/web_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/dialog_parts.h"
#include "web/web_settings_model.h"

WebDialog::WebDialog(WebSettingsModel& model, QWidget* parent)
    : SettingsDialog(model, QStringLiteral("Webseite"), parent), model_(model) {
    setObjectName(QStringLiteral("Webseite"));

    active_ = checkBox(QStringLiteral("Webseite anbieten"), "WebAktiv");
    QGroupBox* where = groupBox(QStringLiteral("Erreichbar unter"), "GroupErreichbar");
    address_ = lineEdit(WebSettingsModel::kAddressField, QStringLiteral("Adresse"));
    port_ = lineEdit(WebSettingsModel::kPortField, QStringLiteral("Port"));
    auto* layout = new QGridLayout(where);
    layout->addWidget(buddyLabel(QStringLiteral("Adresse"), address_), 0, 0);
    layout->addWidget(address_, 0, 1);
    layout->addWidget(buddyLabel(QStringLiteral("Port"), port_), 1, 0);
    layout->addWidget(port_, 1, 1);
    auto* hint = new QLabel(QStringLiteral(
        "127.0.0.1: nur auf diesem Rechner. 0.0.0.0: jedes Gerät im Hausnetz kann die Seite "
        "lesen (ohne Passwort; nicht ins Internet weiterleiten)."));
    hint->setWordWrap(true);
    layout->addWidget(hint, 2, 0, 1, 2);

    state_ = new QLabel;
    state_->setObjectName(QStringLiteral("WebZustand"));
    state_->setAccessibleName(QStringLiteral("Adresse der Webseite"));
    state_->setTextFormat(Qt::RichText);
    state_->setOpenExternalLinks(true);
    state_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    state_->setWordWrap(true);

    content()->addWidget(active_);
    content()->addWidget(where);
    content()->addWidget(state_);
    chainTabOrder(
        {static_cast<QWidget*>(active_), address_, port_, state_, okButton(), cancelButton()});
}

void WebDialog::refreshState() {
    state_->setText(model_.stateText());
}

void WebDialog::showFields() {
    active_->setChecked(model_.active);
    address_->setText(model_.address);
    port_->setText(model_.port);
    refreshState();
}

void WebDialog::readFields() {
    model_.active = active_->isChecked();
    model_.address = address_->text();
    model_.port = port_->text();
}
