#include "config/ui/folder_picker_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "config/folder_path.h"

QPushButton* browseButton(QLineEdit* folder, FolderChooser choose) {
    auto* button = new QPushButton(QStringLiteral("Durchsuchen..."));
    button->setObjectName(QStringLiteral("Durchsuchen"));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, folder, [folder, choose = std::move(choose)] {
        QString chosen = folder->text();
        if (choose && choose(chosen))
            folder->setText(chosen);
    });
    return button;
}

FolderPickerDialog::FolderPickerDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FolderPicker"));
    setWindowTitle(QStringLiteral("Ordner wählen..."));
    setModal(true);

    places_ = new QListWidget;
    places_->setObjectName(QStringLiteral("Orte"));
    auto* placesLabel = new QLabel(QStringLiteral("&Orte:"));
    placesLabel->setBuddy(places_);
    places_->setAccessibleName(QStringLiteral("Orte"));

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model_->setRootPath(QStringLiteral("/"));
    tree_ = new QTreeView;
    tree_->setObjectName(QStringLiteral("Ordner"));
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->header()->hide();
    auto* treeLabel = new QLabel(QStringLiteral("O&rdner:"));
    treeLabel->setBuddy(tree_);
    tree_->setAccessibleName(QStringLiteral("Ordner"));

    auto* buttons = new QDialogButtonBox;
    ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok_->setObjectName(QStringLiteral("OK"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Abbrechen"));
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(placesLabel);
    left->addWidget(places_);
    auto* right = new QVBoxLayout;
    right->addWidget(treeLabel);
    right->addWidget(tree_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    resize(560, 400);

    connect(places_, &QListWidget::currentRowChanged, this, &FolderPickerDialog::showPlace);
    listPlaces();
    selectFolder(QDir::homePath());
}

void FolderPickerDialog::listPlaces() {
    placeEntries_ = folderPlaces();
    const QSignalBlocker quiet(places_);
    places_->clear();
    for (const FolderPlace& p : placeEntries_)
        places_->addItem(p.name);
}

bool FolderPickerDialog::choose(QString& folder) {
    // The mounted media may have changed since the last opening.
    listPlaces();
    selectFolder(folder);
    if (exec() != QDialog::Accepted)
        return false;
    const QString chosen = selectedFolder();
    if (!chosen.isEmpty())
        folder = chosen;
    return true;
}

void FolderPickerDialog::selectFolder(const QString& folder) {
    const QString start = nearestExistingFolder(folder);
    const int row = placeHolding(placeEntries_, start);
    {
        const QSignalBlocker quiet(places_);
        places_->setCurrentRow(row);
    }
    showFolder(start);
}

void FolderPickerDialog::showFolder(const QString& folder) {
    const QModelIndex index = model_->index(folder);
    tree_->setCurrentIndex(index);
    tree_->expand(index);
    tree_->scrollTo(index);
}

QString FolderPickerDialog::selectedFolder() const {
    const QModelIndex index = tree_->currentIndex();
    if (index.isValid())
        return shownFolder(model_->filePath(index));
    const int row = places_->currentRow();
    if (row >= 0 && std::size_t(row) < placeEntries_.size())
        return placeEntries_[std::size_t(row)].path;
    return {};
}

void FolderPickerDialog::showPlace(int row) {
    if (row < 0 || std::size_t(row) >= placeEntries_.size())
        return;
    showFolder(placeEntries_[std::size_t(row)].path);
}
