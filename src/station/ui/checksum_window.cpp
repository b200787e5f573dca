#include "station/ui/checksum_window.h"

#include <QTableWidget>

ChecksumWindow::ChecksumWindow(QWidget* parent)
    : GridWindow(QStringLiteral("CheckSums"), 2, 6, parent) {
    setObjectName(QStringLiteral("ChecksumWindow"));
    const char* rows[6] = {"Block",           "8F Time&Humidty",
                           "9F Temperature ", "AF Barometer, Dewpoint",
                           "BF Rain",         "CF Wind, Windchill"};
    for (int r = 0; r < 6; ++r)
        setCell(r, 0, QString::fromLatin1(rows[r]));
    setCell(0, 1, QStringLiteral("Wert"));
    // Both columns are half the width: wide enough that the longest name is not cut.
    const int column =
        fontMetrics().horizontalAdvance(QStringLiteral("AF Barometer, Dewpoint")) + 28;
    const int width = std::max(242, 2 * column + 2 * grid()->frameWidth());
    resize(width, std::max(100, 6 * rowHeight() + 2));
}

void ChecksumWindow::setResult(int row, const QString& text) {
    if (row >= 1 && row <= 5)
        setCell(row, 1, text);
}

void ChecksumWindow::halveColumns() {
    const int half = grid()->viewport()->width() / 2;
    grid()->setColumnWidth(0, half);
    grid()->setColumnWidth(1, half);
}

void ChecksumWindow::resizeEvent(QResizeEvent* event) {
    GridWindow::resizeEvent(event);
    halveColumns();
}

void ChecksumWindow::showEvent(QShowEvent* event) {
    GridWindow::showEvent(event);
    halveColumns();
}
