// The gauge panel on the right edge of a value box: a vertical bar 9 pixels wide and three scale
// labels in Arial 8 pixels, right-aligned beside it (top, middle, bottom).
#pragma once

#include <QWidget>

#include "display/display_design.h"

class QLabel;
class QProgressBar;

class BarGauge : public QWidget {
    Q_OBJECT
public:
    explicit BarGauge(const GaugeDesign& design, QWidget* parent = nullptr);

    QProgressBar* bar() const { return bar_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QProgressBar* bar_;
    QLabel* top_;
    QLabel* middle_;
    QLabel* bottom_;
};
