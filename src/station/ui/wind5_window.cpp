#include "station/ui/wind5_window.h"

#include <QTableWidget>

Wind5Window::Wind5Window(QWidget* parent) : GridWindow(QStringLiteral("5x Wind"), 1, 6, parent) {
    setObjectName(QStringLiteral("Wind5Window"));
    setCell(0, 0, QStringLiteral("5x Wind"));
    grid()->setColumnWidth(0, 103);
    resize(104, std::max(108, 6 * rowHeight() + 4));
}

void Wind5Window::setRows(const std::array<QString, 5>& rows) {
    for (int k = 1; k <= 5; ++k)
        setCell(k, 0, rows[std::size_t(k - 1)]);
}
