#include "publish/ui/upload_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/ui/dialog_parts.h"
#include "publish/upload_settings_model.h"
#include "publish/uploads.h"

UploadDialog::UploadDialog(UploadSettingsModel& model, Uploads& uploads, QWidget* parent)
    : SettingsDialog(model, model.title, parent), model_(model), uploads_(uploads) {
    setObjectName(model.command);
    active_ = checkBox(QStringLiteral("Aktiv"), "Aktiv");
    auto* grid = new QGridLayout;
    int row = 0;
    for (const UploadField& field : model.fields) {
        QLineEdit* edit = lineEdit(field.id, field.label);
        if (field.secret)
            edit->setEchoMode(QLineEdit::Password);
        grid->addWidget(buddyLabel(field.label, edit), row, 0);
        grid->addWidget(edit, row++, 1);
        edits_.push_back(edit);
    }
    send_ = commandButton(QStringLiteral("Jetzt senden"), "JetztSenden");
    result_ = new QLabel;
    result_->setObjectName(QStringLiteral("SendeErgebnis"));
    result_->setAccessibleName(QStringLiteral("Ergebnis des Sendens"));
    result_->setWordWrap(true);
    auto* sendRow = new QHBoxLayout;
    sendRow->addWidget(send_);
    sendRow->addWidget(result_, 1);

    content()->addWidget(active_);
    content()->addLayout(grid);
    content()->addLayout(sendRow);

    connect(send_, &QPushButton::clicked, this, &UploadDialog::sendNow);
    connect(&uploads_, &Uploads::uploadFinished, this,
            [this](const QString& command, bool ok, const QString& reason) {
                if (!waiting_ || command != model_.command)
                    return;
                waiting_ = false;
                send_->setEnabled(true);
                result_->setText(ok ? QStringLiteral("Gesendet.")
                                    : QStringLiteral("Fehler: ") + reason);
            });
    QWidget::setTabOrder(active_, edits_.front());
    for (std::size_t i = 1; i < edits_.size(); ++i)
        QWidget::setTabOrder(edits_[i - 1], edits_[i]);
    chainTabOrder({edits_.back(), send_, okButton(), cancelButton()});
}

void UploadDialog::sendNow() {
    readFields();
    const std::vector<FieldProblem> problems = model_.problems();
    if (!problems.empty()) {
        result_->setText(problems.front().message);
        return;
    }
    result_->setText(QStringLiteral("Sende ..."));
    send_->setEnabled(false);
    waiting_ = true;
    uploads_.sendNow(model_.command, model_.tried());
}

void UploadDialog::showFields() {
    active_->setChecked(model_.active);
    for (std::size_t i = 0; i < edits_.size(); ++i)
        edits_[i]->setText(model_.fields[i].text);
    result_->clear();
}

void UploadDialog::readFields() {
    model_.active = active_->isChecked();
    for (std::size_t i = 0; i < edits_.size(); ++i)
        model_.fields[i].text = edits_[i]->text();
}
