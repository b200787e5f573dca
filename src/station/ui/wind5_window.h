// The five-minute wind window ("5x Wind"): row k shows the largest of the k oldest per-minute gust
// maxima of the last five completed minutes, in m/s (the main window's five-minute maximum also
// counts the minute in progress).
#pragma once

#include <array>

#include "station/ui/grid_window.h"

class Wind5Window : public GridWindow {
    Q_OBJECT
public:
    explicit Wind5Window(QWidget* parent = nullptr);

    void setRows(const std::array<QString, 5>& rows);
    QString row(int k) const { return cell(k, 0); }
};
