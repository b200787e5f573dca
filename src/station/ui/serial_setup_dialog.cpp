#include "station/ui/serial_setup_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "base/ui/dialog_parts.h"
#include "station/serial_setup_model.h"

namespace {
QComboBox* list(const char* objectName, const QStringList& entries) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(objectName));
    box->addItems(entries);
    return box;
}

void choose(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
}
}  // namespace

SerialSetupDialog::SerialSetupDialog(SerialSetupModel& model, QWidget* parent)
    : SettingsDialog(model, QStringLiteral("Setup"), parent), model_(model) {
    setObjectName(QStringLiteral("Setup"));
    cancelButton()->setText(QStringLiteral("Cancel"));

    port_ = list(SerialSetupModel::kPortField, {});
    port_->setEditable(true);
    port_->setInsertPolicy(QComboBox::NoInsert);
    line_ = {list("BaudRate", baudRateEntries()), list("DataBits", dataBitsEntries()),
             list("StopBits", stopBitsEntries()), list("Parity", parityEntries()),
             list("FlowControl", flowControlEntries())};
    const char* labels[] = {"Baud rate", "Data bits", "Stop bits", "Parity", "Flow control"};
    auto* form = new QFormLayout;
    form->addRow(buddyLabel(QStringLiteral("Port"), port_), port_);
    for (std::size_t i = 0; i < line_.size(); ++i)
        form->addRow(buddyLabel(QString::fromLatin1(labels[i]), line_[i]), line_[i]);
    content()->addLayout(form);
    setMinimumWidth(260);
    chainTabOrder(
        {port_, line_[0], line_[1], line_[2], line_[3], line_[4], okButton(), cancelButton()});
}

void SerialSetupDialog::showFields() {
    port_->clear();
    port_->addItems(model_.portEntries);
    choose(port_, model_.port);
    port_->setEditText(model_.port);
    choose(line_[0], model_.line.baudRate);
    choose(line_[1], model_.line.dataBits);
    choose(line_[2], model_.line.stopBits);
    choose(line_[3], model_.line.parity);
    choose(line_[4], model_.line.flowControl);
}

void SerialSetupDialog::readFields() {
    model_.port = port_->currentText();
    model_.line = {line_[0]->currentText(), line_[1]->currentText(), line_[2]->currentText(),
                   line_[3]->currentText(), line_[4]->currentText()};
}
