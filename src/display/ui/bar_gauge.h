// The gauge panel on the right edge of a value box: a vertical bar 9 pixels wide and three scale
// texts in Arial 8 pixels, right-aligned beside it (top, middle, bottom). The scale texts are
// painted, not labels, so a screen reader reads the bar (named after its box) and not the ticks.
#pragma once

#include <QWidget>

#include "display/display_design.h"

class QProgressBar;

// One painted scale text; objectName and text as designed.
class ScaleText : public QWidget {
    Q_OBJECT
public:
    ScaleText(const QString& text, QWidget* parent);
    QString text() const { return text_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
};

class BarGauge : public QWidget {
    Q_OBJECT
public:
    // boxCaption names the bar for screen readers.
    BarGauge(const GaugeDesign& design, const QString& boxCaption, QWidget* parent = nullptr);

    QProgressBar* bar() const { return bar_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QProgressBar* bar_;
    ScaleText* top_;
    ScaleText* middle_;
    ScaleText* bottom_;
};
