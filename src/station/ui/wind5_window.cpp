#include "station/ui/wind5_window.h"

#include <QHeaderView>
#include <QTableWidget>

Wind5Window::Wind5Window(QWidget* parent) : GridWindow(QStringLiteral("5x Wind"), 1, 6, parent) {
    setObjectName(QStringLiteral("Wind5Window"));
    setCell(0, 0, QStringLiteral("5x Wind"));
    // The one column fills the window; wide enough that a window frame can show the caption.
    grid()->horizontalHeader()->setStretchLastSection(true);
    resize(180, 6 * rowHeight() + 4);
}

void Wind5Window::setRows(const std::array<QString, 5>& rows) {
    for (int k = 1; k <= 5; ++k)
        setCell(k, 0, rows[std::size_t(k - 1)]);
}
