#include "publish/ui/services_window.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/ui/dialog_parts.h"
#include "publish/uploads.h"

ServicesWindow::ServicesWindow(const Uploads& uploads, QWidget* parent)
    : QWidget(parent, Qt::Tool), uploads_(uploads), table_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("Dienste"));
    setWindowTitle(QStringLiteral("Dienste"));
    table_->setObjectName(QStringLiteral("DiensteTabelle"));
    table_->setAccessibleName(QStringLiteral("Dienste und ihr Zustand"));
    table_->setColumnCount(4);
    table_->setHorizontalHeaderLabels({QStringLiteral("Dienst"), QStringLiteral("Zustand"),
                                       QStringLiteral("Letzter Erfolg"),
                                       QStringLiteral("Letzter Fehler")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    resize(640, 160);
    closeOnEscape(this);
    connect(&uploads_, &Uploads::stateChanged, this, [this] {
        if (isVisible())
            refresh();
    });
}

void ServicesWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void ServicesWindow::refresh() {
    const std::vector<UploadState> states = uploads_.states();
    table_->setRowCount(int(states.size()));
    for (int row = 0; row < int(states.size()); ++row) {
        const QStringList cells = uploadStateRow(states[std::size_t(row)]);
        for (int column = 0; column < cells.size(); ++column) {
            QTableWidgetItem* item = table_->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                table_->setItem(row, column, item);
            }
            item->setText(cells[column]);
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
}
