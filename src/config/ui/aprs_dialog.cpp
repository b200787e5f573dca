#include "config/ui/aprs_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/ui/dialog_parts.h"
#include "config/aprs_settings_model.h"

AprsDialog::AprsDialog(AprsSettingsModel& model, FolderChooser chooseFolder, QWidget* parent)
    : SettingsDialog(model, QStringLiteral("APRS "), parent), model_(model) {
    setObjectName(QStringLiteral("APRS"));

    QGroupBox* nameGroup = groupBox(QStringLiteral("Dateiname"), "GroupDateiname");
    fileName_ = lineEdit("APRSDateiname", QStringLiteral("Dateiname"));
    (new QVBoxLayout(nameGroup))->addWidget(fileName_);

    QGroupBox* folderGroup =
        groupBox(QStringLiteral("Zielordner für APRS-Datei"), "GroupZielordner");
    folder_ =
        lineEdit(AprsSettingsModel::kFolderField, QStringLiteral("Zielordner für APRS-Datei"));
    browse_ = browseButton(folder_, std::move(chooseFolder));
    auto* folderLayout = new QHBoxLayout(folderGroup);
    folderLayout->addWidget(folder_, 1);
    folderLayout->addWidget(browse_);

    QGroupBox* timeGroup = groupBox(QStringLiteral("Verwendete Zeiteinstellung"), "GroupZeit");
    stationTime_ = radioButton(QStringLiteral("Wetterstation"), "Wetterstation");
    computerTime_ = radioButton(QStringLiteral("Rechner"), "Rechner");
    auto* timeLayout = new QVBoxLayout(timeGroup);
    timeLayout->addWidget(stationTime_);
    timeLayout->addWidget(computerTime_);

    QGroupBox* intervalGroup = groupBox(QStringLiteral("APRS-Intervall"), "GroupIntervall");
    interval_ = lineEdit(AprsSettingsModel::kIntervalField, QStringLiteral("APRS-Intervall"));
    interval_->setMaximumWidth(60);
    auto* intervalLayout = new QHBoxLayout(intervalGroup);
    intervalLayout->addWidget(buddyLabel(QStringLiteral("APRS-Datei alle"), interval_));
    intervalLayout->addWidget(interval_);
    intervalLayout->addWidget(new QLabel(QStringLiteral("Minuten erstellen.")));
    intervalLayout->addStretch();

    QGroupBox* frameGroup = groupBox(QStringLiteral("Aktueller APRS-Frame"), "GroupFrame");
    frame_ = new QPlainTextEdit;
    frame_->setObjectName(QStringLiteral("APRSFrame"));
    frame_->setAccessibleName(QStringLiteral("Aktueller APRS-Frame"));
    frame_->setReadOnly(true);
    frame_->setLineWrapMode(QPlainTextEdit::NoWrap);
    frame_->setFixedHeight(frame_->fontMetrics().lineSpacing() * 3 + 12);
    (new QVBoxLayout(frameGroup))->addWidget(frame_);

    auto* grid = new QGridLayout;
    grid->addWidget(nameGroup, 0, 0);
    grid->addWidget(timeGroup, 0, 1, 2, 1);
    grid->addWidget(folderGroup, 1, 0);
    grid->addWidget(intervalGroup, 2, 0, 1, 2);
    grid->addWidget(frameGroup, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    content()->addLayout(grid);
    setMinimumWidth(560);

    chainTabOrder({fileName_, folder_, browse_, stationTime_, computerTime_, interval_, frame_,
                   okButton(), cancelButton()});
}

void AprsDialog::showFields() {
    (model_.computerTime ? computerTime_ : stationTime_)->setChecked(true);
    folder_->setText(model_.folder);
    fileName_->setText(model_.fileName);
    interval_->setText(model_.interval);
    frame_->setPlainText(model_.frame);
}

void AprsDialog::readFields() {
    model_.computerTime = computerTime_->isChecked();
    model_.folder = folder_->text();
    model_.fileName = fileName_->text();
    model_.interval = interval_->text();
}
