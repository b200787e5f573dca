#include "config/ui/weather_log_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/ui/dialog_parts.h"
#include "config/weather_log_settings_model.h"

WeatherLogDialog::WeatherLogDialog(WeatherLogSettingsModel& model, FolderChooser chooseFolder,
                                   QWidget* parent)
    : SettingsDialog(model, QStringLiteral("Wetterlog Einstellungen"), parent), model_(model) {
    setObjectName(QStringLiteral("Wetterlog"));

    QGroupBox* folderGroup = groupBox(QStringLiteral("Ordner für Wetterlog"), "GroupOrdner");
    folder_ =
        lineEdit(WeatherLogSettingsModel::kFolderField, QStringLiteral("Ordner für Wetterlog"));
    browse_ = browseButton(folder_, std::move(chooseFolder));
    // The group's title is the check box "Logdateien zusammenfasssen".
    combine_ = groupBox(QStringLiteral("Logdateien zusammenfasssen"), "LogUnterordner");
    combine_->setCheckable(true);
    weekFolders_ = checkBox(QStringLiteral("ein Ordner pro Woche"), "LogWochenordner");
    monthFolders_ = checkBox(QStringLiteral("ein Ordner pro Monat"), "LogMonatsordner");
    auto* combineLayout = new QVBoxLayout(combine_);
    combineLayout->addWidget(weekFolders_);
    combineLayout->addWidget(monthFolders_);
    auto* folderLayout = new QGridLayout(folderGroup);
    folderLayout->addWidget(folder_, 0, 0);
    folderLayout->addWidget(browse_, 0, 1);
    folderLayout->addWidget(combine_, 1, 0, 1, 2);

    QGroupBox* newFileGroup = groupBox(QStringLiteral("Neue Datei erstellen"), "LogUpdate");
    auto* newFileLayout = new QVBoxLayout(newFileGroup);
    const char* names[] = {"täglich", "wöchentlich", "monatlich"};
    const char* ids[] = {"taeglich", "woechentlich", "monatlich"};
    for (std::size_t i = 0; i < newFile_.size(); ++i) {
        newFile_[i] = radioButton(QString::fromUtf8(names[i]), ids[i]);
        newFileLayout->addWidget(newFile_[i]);
    }

    QGroupBox* general = groupBox(QStringLiteral("Allgemein"), "GroupAllgemein");
    minutes_ = lineEdit(WeatherLogSettingsModel::kMinutesField,
                        QStringLiteral("Snapshot alle ... Minuten"));
    // Only digits can be typed; backspace and the cursor keys still work.
    minutes_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), minutes_));
    minutes_->setMaximumWidth(60);
    catchPeak_ = checkBox(QStringLiteral("Spitzenwerte festhalten"), "CatchPeak");
    auto* minutesRow = new QHBoxLayout;
    minutesRow->addWidget(buddyLabel(QStringLiteral("Snapshot alle"), minutes_));
    minutesRow->addWidget(minutes_);
    minutesRow->addWidget(new QLabel(QStringLiteral("Minuten.")));
    minutesRow->addStretch();
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addLayout(minutesRow);
    generalLayout->addWidget(catchPeak_);

    auto* grid = new QGridLayout;
    grid->addWidget(folderGroup, 0, 0, 1, 2);
    grid->addWidget(newFileGroup, 1, 0);
    grid->addWidget(general, 1, 1);
    grid->setColumnStretch(1, 1);
    content()->addLayout(grid);
    setMinimumWidth(420);

    connect(combine_, &QGroupBox::clicked, this, [this] { enableFolderOptions(); });
    chainTabOrder({folder_, browse_, combine_, weekFolders_, monthFolders_, newFile_[0],
                   newFile_[1], newFile_[2], minutes_, catchPeak_, okButton(), cancelButton()});
}

void WeatherLogDialog::enableFolderOptions() {
    model_.combineFiles = combine_->isChecked();
    weekFolders_->setEnabled(model_.folderOptionsEnabled());
    monthFolders_->setEnabled(model_.folderOptionsEnabled());
}

void WeatherLogDialog::showFields() {
    folder_->setText(model_.folder);
    newFile_[std::size_t(model_.newFile)]->setChecked(true);
    combine_->setChecked(model_.combineFiles);
    weekFolders_->setChecked(model_.weekFolders);
    monthFolders_->setChecked(model_.monthFolders);
    enableFolderOptions();
    catchPeak_->setChecked(model_.catchPeak);
    minutes_->setText(model_.minutes);
}

void WeatherLogDialog::readFields() {
    model_.folder = folder_->text();
    model_.combineFiles = combine_->isChecked();
    model_.weekFolders = weekFolders_->isChecked();
    model_.monthFolders = monthFolders_->isChecked();
    for (std::size_t i = 0; i < newFile_.size(); ++i)
        if (newFile_[i]->isChecked())
            model_.newFile = int(i);
    model_.minutes = minutes_->text();
    model_.catchPeak = catchPeak_->isChecked();
}
