#include "config/ui/profile_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/notifier.h"
#include "base/ui/dialog_parts.h"
#include "config/profile_settings_model.h"
#include "config/ui/new_profile_dialog.h"

namespace {

QPlainTextEdit* textField(const char* objectName) {
    auto* t = new QPlainTextEdit;
    t->setObjectName(QString::fromLatin1(objectName));
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setTabChangesFocus(true);
    t->setFixedHeight(72);
    return t;
}

}  // namespace

ProfileDialog::ProfileDialog(ProfileSettingsModel& model, QWidget* parent)
    : SettingsDialog(model, QStringLiteral("Profile"), parent), model_(model) {
    setObjectName(QStringLiteral("Profile"));
    newProfile_ = new NewProfileDialog(this);

    QGroupBox* choose = groupBox(QStringLiteral("Profil wählen"), "GroupProfil");
    auto* chooseLayout = new QHBoxLayout(choose);
    names_ = new QComboBox;
    names_->setObjectName(QStringLiteral("Profilname"));
    names_->setAccessibleName(QStringLiteral("Profil wählen"));
    names_->setMinimumWidth(180);
    QPushButton* add = commandButton(QStringLiteral("&Neu..."), "Neu");
    QPushButton* remove = commandButton(QStringLiteral("&Löschen"), "Loeschen");
    chooseLayout->addWidget(names_, 1);
    chooseLayout->addWidget(add);
    chooseLayout->addWidget(remove);

    QGroupBox* fields = groupBox(QStringLiteral("Einstellungen"), "GroupEinstellungen");
    auto* grid = new QGridLayout(fields);
    absender_ = lineEdit("Absender", QString());
    absender_->setMaxLength(9);
    empfaenger_ = lineEdit("Empfaenger", QString());
    empfaenger_->setMaxLength(19);
    betreff_ = lineEdit("Betreff", QString());
    vor_ = textField("VOR");
    nach_ = textField("NACH");
    grid->addWidget(buddyLabel(QStringLiteral("Absender"), absender_), 0, 0);
    grid->addWidget(absender_, 0, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Empfänger"), empfaenger_), 1, 0);
    grid->addWidget(empfaenger_, 1, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Betreff"), betreff_), 2, 0);
    grid->addWidget(betreff_, 2, 1);
    grid->addWidget(buddyLabel(QStringLiteral("Kurzer Text VOR den Wetterdaten"), vor_), 3, 0, 1,
                    2);
    grid->addWidget(vor_, 4, 0, 1, 2);
    grid->addWidget(buddyLabel(QStringLiteral("Kurzer Text NACH den Wetterdaten"), nach_), 5, 0, 1,
                    2);
    grid->addWidget(nach_, 6, 0, 1, 2);

    QGroupBox* interval = groupBox(QStringLiteral("Intervall"), "GroupIntervall");
    auto* intervalLayout = new QVBoxLayout(interval);
    likeImport_ = radioButton(QStringLiteral("Wie WinGT-Import"), "WieWinGT");
    daily_ = radioButton(QStringLiteral("1x täglich um"), "Taeglich");
    daily_->setAccessibleName(QStringLiteral("1x täglich um ... Uhr"));
    time_ = lineEdit(ProfileSettingsModel::kTimeField, QStringLiteral("Uhrzeit"));
    time_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9:]*")), time_));
    time_->setMaxLength(5);
    time_->setFixedWidth(time_->fontMetrics().horizontalAdvance(QStringLiteral("00:000")) + 12);
    auto* dailyRow = new QHBoxLayout;
    dailyRow->addWidget(daily_);
    dailyRow->addWidget(time_);
    dailyRow->addWidget(new QLabel(QStringLiteral("Uhr")));
    dailyRow->addStretch();
    intervalLayout->addWidget(likeImport_);
    intervalLayout->addLayout(dailyRow);
    grid->addWidget(interval, 7, 0, 1, 2);

    content()->addWidget(choose);
    content()->addWidget(fields);
    QPushButton* save = commandButton(QStringLiteral("&Speichern"), "Speichern");
    buttonRow()->addButton(save, QDialogButtonBox::ActionRole);
    setMinimumWidth(420);

    connect(names_, &QComboBox::activated, this, [this](int position) {
        model_.select(position);
        showFields();
    });
    connect(add, &QPushButton::clicked, this, &ProfileDialog::newProfile);
    connect(remove, &QPushButton::clicked, this, &ProfileDialog::deleteProfile);
    connect(save, &QPushButton::clicked, this, &ProfileDialog::storeProfile);
    connect(daily_, &QRadioButton::toggled, time_, &QLineEdit::setEnabled);

    chainTabOrder({names_, add, remove, absender_, empfaenger_, betreff_, vor_, nach_, likeImport_,
                   daily_, time_, save, okButton(), cancelButton()});
}

void ProfileDialog::showProfileNames() {
    const QSignalBlocker quiet(names_);
    names_->clear();
    names_->addItems(model_.names);
    names_->setCurrentIndex(model_.selected);
}

void ProfileDialog::showFields() {
    showProfileNames();
    absender_->setText(model_.absender);
    empfaenger_->setText(model_.empfaenger);
    betreff_->setText(model_.betreff);
    vor_->setPlainText(model_.vorText);
    nach_->setPlainText(model_.nachText);
    (model_.wieWinGT ? likeImport_ : daily_)->setChecked(true);
    time_->setText(model_.uhrzeit);
    time_->setEnabled(!model_.wieWinGT);
    names_->setFocus();
}

void ProfileDialog::readFields() {
    model_.absender = absender_->text();
    model_.empfaenger = empfaenger_->text();
    model_.betreff = betreff_->text();
    model_.vorText = vor_->toPlainText();
    model_.nachText = nach_->toPlainText();
    model_.wieWinGT = likeImport_->isChecked();
    model_.uhrzeit = time_->text();
}

void ProfileDialog::newProfile() {
    const bool added = newProfile_->ask([this](const QString& name) {
        readFields();  // the new profile keeps the fields as they stand
        return model_.addNew(name);
    });
    if (added)
        showFields();
}

void ProfileDialog::deleteProfile() {
    if (model_.names.isEmpty())
        return;
    if (notify(QStringLiteral("Bestätigung"), QStringLiteral("Ausgewähltes Profil löschen?"),
               MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    model_.deleteSelected();
    showFields();
}

void ProfileDialog::storeProfile() {
    readFields();
    if (const auto problem = model_.store()) {
        reportError(problem->message);
        time_->setFocus();
        time_->selectAll();
    }
}
