#include "base/ui/settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/dialog_model.h"
#include "base/notifier.h"

SettingsDialog::SettingsDialog(DialogModel& model, const QString& caption, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(caption);
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    content_ = new QVBoxLayout;
    outer->addLayout(content_);
    buttons_ = new QDialogButtonBox(this);
    ok_ = buttons_->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok_->setObjectName(QStringLiteral("OK"));
    cancel_ = buttons_->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("Abbrechen"));
    ok_->setDefault(true);
    connect(buttons_, &QDialogButtonBox::accepted, this, &SettingsDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons_);
}

void SettingsDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        model_.fill();
        showFields();
        ok_->setDefault(true);
    }
    QDialog::showEvent(event);
    // The button row passes its focus on to "OK"; as the place where Tab wraps round that would
    // keep Tab between "OK" and "Abbrechen", so the row stands out of the focus chain.
    buttons_->setFocusProxy(nullptr);
}

void SettingsDialog::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (!visible)
        return;
    QLineEdit* edit = qobject_cast<QLineEdit*>(focusWidget());
    if (auto* box = qobject_cast<QComboBox*>(focusWidget()))
        edit = box->lineEdit();
    if (edit && edit->hasSelectedText()) {
        edit->deselect();
        edit->end(false);
    }
}

void SettingsDialog::accept() {
    readFields();
    const std::optional<FieldProblem> problem = model_.take();
    if (!problem) {
        QDialog::accept();
        return;
    }
    if (!problem->message.isEmpty())
        reportError(problem->message);
    if (problem->field.isEmpty())
        return;
    if (auto* field = findChild<QWidget*>(problem->field))
        focusField(field);
}

void SettingsDialog::focusField(QWidget* field) {
    // A field on a page of a tab widget: that page is brought to the front first.
    for (QWidget* w = field; w && w != this; w = w->parentWidget()) {
        QWidget* stack = w->parentWidget();
        if (auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr))
            if (const int page = tabs->indexOf(w); page >= 0)
                tabs->setCurrentIndex(page);
    }
    field->setFocus(Qt::OtherFocusReason);
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (auto* box = qobject_cast<QComboBox*>(field))
        edit = box->lineEdit();
    if (edit)
        edit->selectAll();
}
