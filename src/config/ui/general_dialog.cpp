#include "config/ui/general_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/ui/dialog_parts.h"
#include "config/general_settings_model.h"

GeneralDialog::GeneralDialog(GeneralSettingsModel& model, QWidget* parent)
    : SettingsDialog(model, QStringLiteral("Allgemein"), parent), model_(model) {
    setObjectName(QStringLiteral("Allgemein"));

    QGroupBox* automatic = groupBox(QStringLiteral("Automatisch erstellen"), "GroupAutomatisch");
    auto* automaticLayout = new QVBoxLayout(automatic);
    automaticLayout->addWidget(
        new QLabel(QStringLiteral("Folgende Dateien bei Aktivierung automatisch erstellen:")));
    autoImport_ = checkBox(QStringLiteral("Import (WinGT)"), "autoImport");
    autoRead_ = checkBox(QStringLiteral("Read (WinGT)"), "autoRead");
    autoLog_ = checkBox(QStringLiteral("LogUpdate"), "autoLog");
    autoAPRS_ = checkBox(QStringLiteral("APRS"), "autoAPRS");
    for (QCheckBox* b : {autoImport_, autoRead_, autoLog_, autoAPRS_})
        automaticLayout->addWidget(b);

    QGroupBox* pages = groupBox(QStringLiteral("TOP, GP und andere"), "GroupTOP");
    auto* pagesLayout = new QHBoxLayout(pages);
    eofMark_ = checkBox(QStringLiteral("EOF Kennung anhängen"), "EOFKennung");
    pagesLayout->addWidget(eofMark_);
    pagesLayout->addWidget(new QLabel(QStringLiteral("CTRL + Z")));
    pagesLayout->addStretch();

    QGroupBox* gauge = groupBox(QStringLiteral("Regenmesser"), "Regenmesser");
    auto* gaugeLayout = new QVBoxLayout(gauge);
    normalGauge_ = radioButton(QStringLiteral("Normal "), "NormalRegen");
    rebuiltGauge_ = radioButton(QStringLiteral("Umbau (235mm)"), "UmbauRegen");
    heatedGauge_ = checkBox(QStringLiteral("beheizt"), "regnBeheizt");
    gaugeLayout->addWidget(normalGauge_);
    gaugeLayout->addWidget(rebuiltGauge_);
    gaugeLayout->addWidget(heatedGauge_);

    QGroupBox* zone = groupBox(QStringLiteral("Zeitzone"), "GroupZeitzone");
    auto* zoneLayout = new QVBoxLayout(zone);
    timeZone_ = new QComboBox;
    timeZone_->setObjectName(QString::fromLatin1(GeneralSettingsModel::kTimeZoneField));
    timeZone_->setAccessibleName(QStringLiteral("Zeitzone"));
    timeZone_->setEditable(true);
    timeZone_->setInsertPolicy(QComboBox::NoInsert);
    timeZone_->addItems(GeneralSettingsModel::timeZones());
    zoneLayout->addWidget(timeZone_);

    auto* grid = new QGridLayout;
    grid->addWidget(automatic, 0, 0);
    grid->addWidget(pages, 1, 0);
    grid->addWidget(gauge, 0, 1);
    grid->addWidget(zone, 1, 1);
    content()->addLayout(grid);

    chainTabOrder({autoImport_, autoRead_, autoLog_, autoAPRS_, eofMark_, normalGauge_,
                   rebuiltGauge_, heatedGauge_, timeZone_, okButton(), cancelButton()});
}

void GeneralDialog::showFields() {
    autoImport_->setChecked(model_.autoImport);
    autoRead_->setChecked(model_.autoRead);
    autoLog_->setChecked(model_.autoLog);
    autoAPRS_->setChecked(model_.autoAPRS);
    eofMark_->setChecked(model_.eofMark);
    (model_.normalGauge ? normalGauge_ : rebuiltGauge_)->setChecked(true);
    heatedGauge_->setChecked(model_.heatedGauge);
    timeZone_->setCurrentIndex(GeneralSettingsModel::timeZones().indexOf(model_.timeZone));
    timeZone_->setEditText(model_.timeZone);
}

void GeneralDialog::readFields() {
    model_.autoImport = autoImport_->isChecked();
    model_.autoRead = autoRead_->isChecked();
    model_.autoLog = autoLog_->isChecked();
    model_.autoAPRS = autoAPRS_->isChecked();
    model_.eofMark = eofMark_->isChecked();
    model_.normalGauge = normalGauge_->isChecked();
    model_.heatedGauge = heatedGauge_->isChecked();
    model_.timeZone = timeZone_->currentText();
}
