#include "config/ui/client_server_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/dialog_parts.h"
#include "config/client_server_settings_model.h"

ClientServerDialog::ClientServerDialog(ClientServerSettingsModel& model, QWidget* parent)
    : SettingsDialog(model, QStringLiteral("Client/Server"), parent), model_(model) {
    setObjectName(QStringLiteral("ClientServer"));

    QGroupBox* client = groupBox(QStringLiteral("Client"), "GroupClient");
    clientActive_ = checkBox(QStringLiteral("Client aktiv"), "ClientAktiv");
    address_ = lineEdit("RemoteIP", QStringLiteral("Server IP"));
    port_ = lineEdit(ClientServerSettingsModel::kPortField, QStringLiteral("Port"));
    auto* clientLayout = new QGridLayout(client);
    clientLayout->addWidget(clientActive_, 0, 0, 1, 2);
    clientLayout->addWidget(buddyLabel(QStringLiteral("Server IP"), address_), 1, 0);
    clientLayout->addWidget(address_, 1, 1);
    clientLayout->addWidget(buddyLabel(QStringLiteral("Port"), port_), 2, 0);
    clientLayout->addWidget(port_, 2, 1);

    QGroupBox* server = groupBox(QStringLiteral("Server"), "GroupServer");
    auto* serverActive = checkBox(QStringLiteral("Server aktiv"), "ServerAktiv");
    auto* serverPort = lineEdit("ServerPort", QStringLiteral("Port"));
    auto* serverLayout = new QGridLayout(server);
    serverLayout->addWidget(serverActive, 0, 0, 1, 2);
    serverLayout->addWidget(buddyLabel(QStringLiteral("Port"), serverPort), 1, 0);
    serverLayout->addWidget(serverPort, 1, 1);
    serverLayout->setRowStretch(2, 1);
    server->setEnabled(false);

    auto* groups = new QHBoxLayout;
    groups->addWidget(client, 1);
    groups->addWidget(server, 1);
    content()->addLayout(groups);
    content()->addWidget(new QLabel(QStringLiteral(
        "Die Daten der Wetterstation können in ein TCP/IP Netzwerk geleitet werden (Server).")));
    content()->addWidget(new QLabel(
        QStringLiteral("Wetterpult kann die Wetterdaten auch von einem Server lesen (Client).")));

    connect(clientActive_, &QCheckBox::toggled, this, [this] { enableServerFields(); });
    chainTabOrder({clientActive_, address_, port_, okButton(), cancelButton()});
}

void ClientServerDialog::enableServerFields() {
    model_.clientActive = clientActive_->isChecked();
    address_->setEnabled(model_.serverFieldsEnabled());
    port_->setEnabled(model_.serverFieldsEnabled());
}

void ClientServerDialog::showFields() {
    clientActive_->setChecked(model_.clientActive);
    enableServerFields();
    address_->setText(model_.address);
    port_->setText(model_.port);
}

void ClientServerDialog::readFields() {
    model_.clientActive = clientActive_->isChecked();
    model_.address = address_->text();
    model_.port = port_->text();
}
