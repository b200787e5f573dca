#include "display/ui/alarm_window.h"

#include <QHeaderView>
#include <QShowEvent>
#include <QTableWidget>

#include "base/ui/dialog_parts.h"
#include "display/alarm_rows.h"

AlarmWindow::AlarmWindow(std::function<QString(const QString&)> labelText, QWidget* parent)
    : GridWindow(QStringLiteral("Alarme"), 2, kAlarmRowCount, parent),
      labelText_(std::move(labelText)) {
    closeOnEscape(this);
    setObjectName(QStringLiteral("alarmfrm"));
    grid()->setObjectName(QStringLiteral("StringGrid1"));
    grid()->setAccessibleName(QStringLiteral("Alarme"));
    grid()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid()->setFocusPolicy(Qt::StrongFocus);
    // The designed 201 x 213 cuts the longer keys in the fonts found here: as wide as the widest
    // key in both halves, and high enough for every row.
    int widest = 0;
    for (const auto& [key, value] : alarmRows([](const QString&) { return QString(); }))
        widest = std::max(widest, fontMetrics().horizontalAdvance(key));
    const int half = std::max(201 / 2, widest + 12);
    resize(2 * half + 2 * grid()->frameWidth(),
           std::max(213, kAlarmRowCount * rowHeight() + 2 * grid()->frameWidth()));
}

void AlarmWindow::fill() {
    const AlarmRows rows = alarmRows(labelText_);
    for (int r = 0; r < kAlarmRowCount; ++r) {
        setCell(r, 0, rows[std::size_t(r)].first);
        setCell(r, 1, rows[std::size_t(r)].second);
    }
}

void AlarmWindow::halveColumns() {
    const int half = grid()->viewport()->width() / 2;
    grid()->horizontalHeader()->setDefaultSectionSize(half);
    grid()->setColumnWidth(0, half);
    grid()->setColumnWidth(1, half);
}

void AlarmWindow::showEvent(QShowEvent* event) {
    GridWindow::showEvent(event);
    if (!event->spontaneous())
        fill();
    halveColumns();
}

void AlarmWindow::resizeEvent(QResizeEvent* event) {
    GridWindow::resizeEvent(event);
    halveColumns();
}
