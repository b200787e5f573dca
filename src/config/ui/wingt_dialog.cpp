#include "config/ui/wingt_dialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/ui/dialog_parts.h"
#include "config/ui/schedule_page.h"
#include "config/wingt_settings_model.h"

WinGTDialog::WinGTDialog(WinGTSettingsModel& model, FolderChooser chooseFolder, QWidget* parent)
    : SettingsDialog(model, QStringLiteral("WinGT Einstellungen"), parent), model_(model) {
    setObjectName(QStringLiteral("WinGTEinstellungen"));
    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("Seiten"));
    import_ = new SchedulePage(QStringLiteral("Import"), QStringLiteral("WinGT Importverzeichnis"),
                               model.import, chooseFolder, okButton());
    read_ = new SchedulePage(QStringLiteral("Read"), QStringLiteral("WinGT Readverzeichnis"),
                             model.read, chooseFolder, okButton());
    everyMinute_ = checkBox(QStringLiteral("einmal pro Minute"), "ReadMinute");
    read_->addScheduleOption(everyMinute_);
    pages_->addTab(import_, QStringLiteral("Importdatei"));
    pages_->addTab(read_, QStringLiteral("Readdatei"));
    content()->addWidget(pages_);
    setMinimumWidth(460);

    connect(read_->manualBox(), &QCheckBox::clicked, this, [this](bool on) {
        model_.setReadManual(on);
        showReadBoxes();
    });
    connect(everyMinute_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setReadMinute(on);
        showReadBoxes();
    });

    // The tab bar, then each page's controls; the buttons below.
    QWidget* previous = pages_->tabBar();
    for (SchedulePage* page : {import_, read_}) {
        for (QWidget* w : page->tabOrder()) {
            setTabOrder(previous, w);
            previous = w;
        }
    }
    chainTabOrder({previous, okButton(), cancelButton()});
}

void WinGTDialog::showFields() {
    import_->showFields();
    read_->showFields();
    showReadBoxes();
    (pages_->currentIndex() == 0 ? import_ : read_)->tabOrder().first()->setFocus();
}

void WinGTDialog::readFields() {
    // The Read boxes went through the model at every click, so they already agree with it.
    import_->readFields();
    read_->readFields();
}

void WinGTDialog::showReadBoxes() {
    read_->manualBox()->setChecked(model_.readManual());
    everyMinute_->setChecked(model_.readMinute());
}
