#include "display/ui/explorer_window.h"

#include <QFileDialog>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/dialog_parts.h"

ExplorerWindow::ExplorerWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    closeOnEscape(this);
    setObjectName(QStringLiteral("Explorer"));
    setWindowTitle(QStringLiteral("Weather Explorer"));
    auto* bar = new QToolBar(this);
    open_ = new QToolButton(bar);
    open_->setObjectName(QStringLiteral("ToolButton1"));
    open_->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    open_->setToolTip(QStringLiteral("Datei öffnen"));
    open_->setAccessibleName(QStringLiteral("Datei öffnen"));
    bar->addWidget(open_);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setAccessibleName(QStringLiteral("WM918/WX200"));
    auto* root = new QTreeWidgetItem(tree_, {QStringLiteral("WM918/WX200")});
    auto branch = [root](const QString& name, const QStringList& entries) {
        auto* b = new QTreeWidgetItem(root, {name});
        for (const QString& e : entries)
            new QTreeWidgetItem(b, {e});
    };
    branch(QStringLiteral("Aussen"),
           {QStringLiteral("Luftfeuchtigkeit"), QStringLiteral("Temperatur"),
            QStringLiteral("Taupunkt"), QStringLiteral("Barometer"), QStringLiteral("Regen"),
            QStringLiteral("Wind")});
    branch(QStringLiteral("Innen"), {QStringLiteral("Luftfeuchtigkeit"),
                                     QStringLiteral("Temperatut"), QStringLiteral("Taupunkt")});
    tree_->expandAll();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(tree_);

    dialog_ = new QFileDialog(this, QStringLiteral("Öffnen"));
    dialog_->setObjectName(QStringLiteral("OpenDialog1"));
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setFileMode(QFileDialog::ExistingFiles);
    dialog_->setDefaultSuffix(QStringLiteral("txt"));
    dialog_->setNameFilters({QStringLiteral("*.txt"), QStringLiteral("Alle Dateien (*)")});
    connect(open_, &QToolButton::clicked, this, &ExplorerWindow::openFile);
    resize(220, 260);
}

void ExplorerWindow::openFile() {
    if (!chosen_.isEmpty())
        dialog_->selectFile(chosen_);
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty())
        return;
    chosen_ = dialog_->selectedFiles().first();
}
