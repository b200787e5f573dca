#include "display/ui/bar_gauge.h"

#include <QLabel>
#include <QProgressBar>

namespace {
constexpr int kBarWidth = 9;
constexpr int kScaleWidth = 22;
constexpr int kGap = 2;

QLabel* scaleLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // The scale keeps its own font whatever font the box is given.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(8);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}
}  // namespace

BarGauge::BarGauge(const GaugeDesign& design, QWidget* parent) : QWidget(parent) {
    setObjectName(design.panelName);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(design.barName);
    bar_->setOrientation(Qt::Vertical);
    bar_->setRange(design.minimum, design.maximum);
    bar_->setValue(design.initial);
    bar_->setTextVisible(false);
    top_ = scaleLabel(design.top, design.panelName + QStringLiteral("Top"), this);
    middle_ = scaleLabel(design.middle, design.panelName + QStringLiteral("Middle"), this);
    bottom_ = scaleLabel(design.bottom, design.panelName + QStringLiteral("Bottom"), this);
}

QSize BarGauge::sizeHint() const {
    return {kScaleWidth + kGap + kBarWidth + kGap, 100};
}
QSize BarGauge::minimumSizeHint() const {
    return {kScaleWidth + kGap + kBarWidth + kGap, 40};
}

void BarGauge::resizeEvent(QResizeEvent*) {
    const int h = height();
    const int barX = kScaleWidth + kGap;
    bar_->setGeometry(barX, 0, kBarWidth, h);
    const int lh = top_->sizeHint().height();
    top_->setGeometry(0, 0, kScaleWidth, lh);
    middle_->setGeometry(0, (h - lh) / 2, kScaleWidth, lh);
    bottom_->setGeometry(0, h - lh, kScaleWidth, lh);
}
