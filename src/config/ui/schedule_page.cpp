#include "config/ui/schedule_page.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/notifier.h"
#include "base/ui/dialog_parts.h"

SchedulePage::SchedulePage(const QString& name, const QString& folderTitle,
                           WinGTSettingsModel::Page& page, FolderChooser chooseFolder,
                           QPushButton* okButton, QWidget* parent)
    : QWidget(parent), page_(page), ok_(okButton) {
    setObjectName(name + QStringLiteral("Seite"));
    const auto id = [&](const char* part) { return (name + QLatin1String(part)).toLatin1(); };

    QGroupBox* folderGroup = groupBox(folderTitle, id("Verzeichnis").constData());
    auto* folderLayout = new QHBoxLayout(folderGroup);
    folder_ = lineEdit(id("Ordner").constData(), folderTitle);
    browse_ = browseButton(folder_, std::move(chooseFolder));
    browse_->setObjectName(name + QStringLiteral("Durchsuchen"));
    folderLayout->addWidget(folder_, 1);
    folderLayout->addWidget(browse_);

    QGroupBox* schedule = groupBox(QStringLiteral("Zeitplan (Rechnerzeit)"), id("Zeitplan"));
    auto* grid = new QGridLayout(schedule);
    options_ = new QVBoxLayout;
    manual_ = checkBox(QStringLiteral("Nur manuell erstellen"), id("Manuell").constData());
    options_->addWidget(manual_);
    auto* nextCaption = new QLabel(QStringLiteral("Nächster Termin:"));
    next_ = new QLabel;
    next_->setObjectName(name + QStringLiteral("Termin"));
    QFont large = next_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 2);
    next_->setFont(large);
    next_->setAccessibleName(QStringLiteral("Nächster Termin"));
    options_->addWidget(nextCaption);
    options_->addWidget(next_);
    options_->addStretch();

    entry_ = lineEdit(id("Zeit").constData(), QString());
    entry_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), entry_));
    entry_->setMaxLength(4);
    entry_->installEventFilter(this);
    add_ = commandButton(QStringLiteral("=>"), id("Hinzu").constData());
    add_->setAccessibleName(QStringLiteral("Zeit hinzufügen"));
    remove_ = commandButton(QStringLiteral("löschen"), id("Loeschen").constData());
    times_ = new QListWidget;
    times_->setObjectName(name + QStringLiteral("Zeiten"));
    times_->setAccessibleName(QStringLiteral("Zeitplan"));
    times_->setFixedWidth(times_->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) * 3);

    auto* entryColumn = new QVBoxLayout;
    entryColumn->addWidget(buddyLabel(QStringLiteral("Zeit (hhmm)"), entry_));
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(entry_);
    entryRow->addWidget(add_);
    entryColumn->addLayout(entryRow);
    entryColumn->addStretch();
    entryColumn->addWidget(remove_);
    grid->addLayout(options_, 0, 0);
    grid->addLayout(entryColumn, 0, 1);
    grid->addWidget(times_, 0, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folderGroup);
    layout->addWidget(schedule, 1);

    connect(add_, &QPushButton::clicked, this, &SchedulePage::addTime);
    connect(remove_, &QPushButton::clicked, this, &SchedulePage::removeTime);
}

void SchedulePage::addScheduleOption(QCheckBox* box) {
    options_->insertWidget(1, box);
}

QList<QWidget*> SchedulePage::tabOrder() const {
    QList<QWidget*> order = {folder_, browse_, manual_};
    for (int i = 1; i < options_->count(); ++i) {
        if (auto* box = qobject_cast<QCheckBox*>(options_->itemAt(i)->widget()))
            order << box;
    }
    return order << entry_ << add_ << times_ << remove_;
}

void SchedulePage::showFields() {
    folder_->setText(page_.folder);
    entry_->setText(page_.entry);
    manual_->setChecked(page_.manual);
    next_->setText(page_.nextTime);
    showTimes(-1);
}

void SchedulePage::readFields() {
    page_.folder = folder_->text();
    page_.manual = manual_->isChecked();
}

bool SchedulePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == entry_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // While the entry has the focus, Enter adds its time.
        const bool adding = event->type() == QEvent::FocusIn;
        ok_->setDefault(!adding);
        add_->setDefault(adding);
    }
    return QWidget::eventFilter(watched, event);
}

void SchedulePage::addTime() {
    page_.entry = entry_->text();
    const QString problem = WinGTSettingsModel::addTime(page_);
    entry_->clear();
    entry_->setFocus();
    showTimes(times_->currentRow());
    if (problem == WinGTSettingsModel::kTimeWarning)
        notify(QStringLiteral("Warnung"), problem);
    else if (!problem.isEmpty())
        reportError(problem);
}

void SchedulePage::removeTime() {
    showTimes(WinGTSettingsModel::removeTime(page_, times_->currentRow()));
}

void SchedulePage::showTimes(int selected) {
    times_->clear();
    times_->addItems(page_.times);
    times_->setCurrentRow(selected);
}
