#include "archive/ui/mark_span_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

#include "archive/archive_marks.h"
#include "base/notifier.h"

MarkSpanDialog::MarkSpanDialog(const QString& path, std::int64_t from, std::int64_t to,
                               QWidget* parent)
    : QDialog(parent), path_(path) {
    setObjectName(QStringLiteral("UngueltigMarkieren"));
    setWindowTitle(QString::fromUtf8("Werte als ungültig markieren"));
    quantity = new QComboBox(this);
    quantity->setAccessibleName(QString::fromUtf8("Größe"));
    for (const MarkName& m : markNames())
        quantity->addItem(QString::fromUtf8(m.name));
    const auto edit = [this](std::int64_t seconds, const QString& name) {
        auto* e = new QDateTimeEdit(QDateTime::fromSecsSinceEpoch(seconds), this);
        e->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm"));
        e->setCalendarPopup(true);
        e->setAccessibleName(name);
        return e;
    };
    fromEdit = edit(from, QStringLiteral("Von"));
    toEdit = edit(to, QStringLiteral("Bis"));
    mark = new QRadioButton(QString::fromUtf8("als ungültig markieren"), this);
    mark->setAccessibleName(QString::fromUtf8("als ungültig markieren"));
    mark->setChecked(true);
    unmark = new QRadioButton(QStringLiteral("Markierung aufheben"), this);
    unmark->setAccessibleName(QStringLiteral("Markierung aufheben"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Abbrechen"));
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromUtf8("Größe:"), quantity);
    form->addRow(QStringLiteral("Von:"), fromEdit);
    form->addRow(QStringLiteral("Bis:"), toEdit);
    form->addRow(mark);
    form->addRow(unmark);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (apply())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool MarkSpanDialog::apply() {
    const std::int64_t from = fromEdit->dateTime().toSecsSinceEpoch() / 60 * 60;
    const std::int64_t to = toEdit->dateTime().toSecsSinceEpoch() / 60 * 60;
    if (to <= from) {
        notify(windowTitle(), QStringLiteral("Der Zeitraum ist leer: \"Bis\" muss nach \"Von\" "
                                             "liegen."));
        toEdit->setFocus();
        return false;
    }
    QString error;
    if (!setMarked(path_, markNames()[std::size_t(quantity->currentIndex())].quantities, from, to,
                   mark->isChecked(), &error)) {
        reportError(QStringLiteral("Die Markierung kann nicht gespeichert werden."), error);
        return false;
    }
    return true;
}

bool MarkSpanDialog::ask(QWidget* parent, const QString& path, std::int64_t from, std::int64_t to) {
    MarkSpanDialog dialog(path, from, to, parent);
    return dialog.exec() == QDialog::Accepted;
}
