#include "config/ui/asynop_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/ui/dialog_parts.h"
#include "config/asynop_settings_model.h"

AsynopDialog::AsynopDialog(AsynopSettingsModel& model, FolderChooser chooseFolder, QWidget* parent)
    : SettingsDialog(model, QStringLiteral("ASYNOP"), parent), model_(model) {
    setObjectName(QStringLiteral("ASYNOP"));
    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("Seiten"));
    pages_->addTab(filePage(std::move(chooseFolder)), QStringLiteral("Datei"));
    pages_->addTab(dataPage(), QStringLiteral("Daten"));
    content()->addWidget(pages_);
    chainTabOrder({pages_->tabBar(), fileName_});
    chainTabOrder({weekFolders_, sender_});
    chainTabOrder({longitude_, okButton(), cancelButton()});

    // Typing the sender rebuilds the subject, which the report takes at once.
    connect(sender_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_.setSender(text);
        subject_->setText(model_.subject());
    });
}

QWidget* AsynopDialog::filePage(FolderChooser chooseFolder) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("DateiSeite"));

    QGroupBox* name = groupBox(QStringLiteral("Dateiname"), "GroupDateiname");
    fileName_ = lineEdit("Dateiname", QStringLiteral("Dateiname"));
    (new QVBoxLayout(name))->addWidget(fileName_);

    QGroupBox* interval = groupBox(QStringLiteral("Intervall"), "GroupIntervall");
    interval->setToolTip(
        QStringLiteral("Um 00:00, 06:00, 12:00, 18:00 Uhr wird eine Datenzeile an die ASYNOP- "
                       "Datei angehängt oder eine Datei erstellt"));
    daily_ = radioButton(QStringLiteral("Tageszusammenfassung"), "Tageszusammenfassung");
    fourTimes_ = radioButton(QStringLiteral("4x pro Tag"), "VierMalProTag");
    auto* intervalLayout = new QVBoxLayout(interval);
    intervalLayout->addWidget(daily_);
    intervalLayout->addWidget(fourTimes_);

    QGroupBox* target = groupBox(QStringLiteral("Zielordner für ASYNOP-Datei"), "GroupZielordner");
    folder_ =
        lineEdit(AsynopSettingsModel::kFolderField, QStringLiteral("Zielordner für ASYNOP-Datei"));
    QPushButton* browse = browseButton(folder_, std::move(chooseFolder));
    auto* targetLayout = new QHBoxLayout(target);
    targetLayout->addWidget(folder_, 1);
    targetLayout->addWidget(browse);

    QGroupBox* file = groupBox(QStringLiteral("ASYNOP-Datei"), "GroupAsynopDatei");
    workingFile_ = new QPlainTextEdit;
    workingFile_->setObjectName(QStringLiteral("AsynopDatei"));
    workingFile_->setAccessibleName(QStringLiteral("ASYNOP-Datei"));
    workingFile_->setReadOnly(true);
    workingFile_->setLineWrapMode(QPlainTextEdit::NoWrap);
    workingFile_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    workingFile_->setTabChangesFocus(true);
    QFont fixed = workingFile_->font();
    fixed.setFamily(QStringLiteral("monospace"));
    fixed.setStyleHint(QFont::Monospace);
    workingFile_->setFont(fixed);
    workingFile_->setMinimumSize(
        workingFile_->fontMetrics().horizontalAdvance(QString(74, QLatin1Char('0'))), 120);
    (new QVBoxLayout(file))->addWidget(workingFile_);

    QGroupBox* archive = groupBox(QStringLiteral("Archivieren"), "GroupArchivieren");
    archive_ = checkBox(QStringLiteral("ASYNOP Dateien archivieren"), "ASYNOPArchiv");
    monthFolders_ =
        checkBox(QStringLiteral("Einen Ordner für jeden Monat anlegen"), "ASYNOPMonatsordner");
    weekFolders_ =
        checkBox(QStringLiteral("Einen Ordner für jede Woche anlegen"), "ASYNOPWochenordner");
    auto* archiveLayout = new QVBoxLayout(archive);
    for (QCheckBox* b : {archive_, monthFolders_, weekFolders_})
        archiveLayout->addWidget(b);

    auto* grid = new QGridLayout(page);
    grid->addWidget(name, 0, 0);
    grid->addWidget(interval, 0, 1);
    grid->addWidget(target, 1, 0, 1, 2);
    grid->addWidget(file, 2, 0, 1, 2);
    grid->addWidget(archive, 3, 0, 1, 2);
    grid->setRowStretch(2, 1);
    chainTabOrder({fileName_, daily_, fourTimes_, folder_, browse, workingFile_, archive_,
                   monthFolders_, weekFolders_});
    return page;
}

QWidget* AsynopDialog::dataPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("DatenSeite"));

    QGroupBox* head = groupBox(QStringLiteral("Datei"), "GroupDatei");
    sender_ = lineEdit("Absender", QString());
    recipient_ = lineEdit("Empfaenger", QString());
    subject_ = lineEdit("Betreff", QString());
    subject_->setEnabled(false);
    lineAbove_ = lineEdit("ZeileUeber", QString());
    lineBelow_ = lineEdit("ZeileUnter", QString());
    auto* headGrid = new QGridLayout(head);
    int row = 0;
    const auto addRow = [&](const QString& label, QLineEdit* field) {
        headGrid->addWidget(buddyLabel(label, field), row, 0);
        headGrid->addWidget(field, row++, 1);
    };
    addRow(QStringLiteral("Absender"), sender_);
    addRow(QStringLiteral("Empfänger"), recipient_);
    addRow(QStringLiteral("Betreff"), subject_);
    auto* note = new QLabel(
        QStringLiteral("Änderungen werden erst beim Erstellen der nächsten ASYNOP-Datei sichtbar"));
    note->setWordWrap(true);
    headGrid->addWidget(note, row++, 1);
    addRow(QStringLiteral("Zeile über Wetterdaten"), lineAbove_);
    addRow(QStringLiteral("Zeile unter den Wetterdaten"), lineBelow_);

    QGroupBox* place = groupBox(QStringLiteral("Ortsangabe"), "GroupOrtsangabe");
    quadrant_ = lineEdit(AsynopSettingsModel::kQuadrantField, QString());
    latitude_ = lineEdit(AsynopSettingsModel::kLatitudeField, QString());
    longitude_ = lineEdit(AsynopSettingsModel::kLongitudeField, QString());
    auto* placeGrid = new QGridLayout(place);
    placeGrid->addWidget(buddyLabel(QStringLiteral("Erdquadrant (DL=1)"), quadrant_), 0, 0);
    placeGrid->addWidget(quadrant_, 0, 1);
    placeGrid->addWidget(buddyLabel(QStringLiteral("Latitude"), latitude_), 1, 0);
    placeGrid->addWidget(latitude_, 1, 1);
    placeGrid->addWidget(buddyLabel(QStringLiteral("Longitude"), longitude_), 2, 0);
    placeGrid->addWidget(longitude_, 2, 1);
    auto* hint = new QLabel(
        QStringLiteral("wird aus Locator ermittelt oder 3 bzw. 4 stellige Angaben in 1/10 Grad"));
    hint->setWordWrap(true);
    placeGrid->addWidget(hint, 3, 0, 1, 2);
    for (QLineEdit* e : {quadrant_, latitude_, longitude_})
        e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    placeGrid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(head);
    layout->addWidget(place);
    layout->addStretch();
    chainTabOrder({sender_, recipient_, lineAbove_, lineBelow_, quadrant_, latitude_, longitude_});
    return page;
}

void AsynopDialog::showFields() {
    {
        // The model has built the subject already; the text shown must not rebuild it.
        const QSignalBlocker quiet(sender_);
        sender_->setText(model_.sender());
    }
    subject_->setText(model_.subject());
    recipient_->setText(model_.recipient);
    (model_.fourTimes ? fourTimes_ : daily_)->setChecked(true);
    folder_->setText(model_.folder);
    fileName_->setText(model_.fileName);
    lineAbove_->setText(model_.lineAbove);
    lineBelow_->setText(model_.lineBelow);
    latitude_->setText(model_.latitude);
    longitude_->setText(model_.longitude);
    quadrant_->setText(model_.quadrant);
    monthFolders_->setChecked(model_.monthFolders);
    weekFolders_->setChecked(model_.weekFolders);
    workingFile_->setPlainText(model_.workingFile);
    archive_->setChecked(model_.archive);
    (pages_->currentIndex() == 0 ? fileName_ : sender_)->setFocus();
}

void AsynopDialog::readFields() {
    model_.fileName = fileName_->text();
    model_.fourTimes = fourTimes_->isChecked();
    model_.folder = folder_->text();
    model_.archive = archive_->isChecked();
    model_.monthFolders = monthFolders_->isChecked();
    model_.weekFolders = weekFolders_->isChecked();
    model_.recipient = recipient_->text();
    model_.lineAbove = lineAbove_->text();
    model_.lineBelow = lineBelow_->text();
    model_.quadrant = quadrant_->text();
    model_.latitude = latitude_->text();
    model_.longitude = longitude_->text();
}
