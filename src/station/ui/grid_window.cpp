#include "station/ui/grid_window.h"

#include <QHeaderView>
#include <QHideEvent>
#include <QTableWidget>
#include <QVBoxLayout>

GridWindow::GridWindow(const QString& caption, int columns, int rows, QWidget* parent)
    : QWidget(parent, Qt::Tool) {
    setWindowTitle(caption);
    grid_ = new QTableWidget(rows, columns, this);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->verticalHeader()->setMinimumSectionSize(1);
    for (int r = 0; r < rows; ++r) {
        grid_->setRowHeight(r, rowHeight());
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            if (r == 0) {
                // The fixed row looks like a header.
                item->setBackground(palette().button());
                item->setForeground(palette().buttonText());
            }
            grid_->setItem(r, c, item);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
}

int GridWindow::rowHeight() const {
    return std::max(15, fontMetrics().height() + 2);
}

QString GridWindow::cell(int row, int column) const {
    return grid_->item(row, column)->text();
}

void GridWindow::setCell(int row, int column, const QString& text) {
    QTableWidgetItem* item = grid_->item(row, column);
    if (item->text() != text)
        item->setText(text);
}

void GridWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Hidden with a minimised main window is not hidden by the user.
    if (!event->spontaneous())
        emit hidden();
}
