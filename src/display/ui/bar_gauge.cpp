#include "display/ui/bar_gauge.h"

#include <QPainter>
#include <QProgressBar>

namespace {
constexpr int kBarWidth = 9;
constexpr int kScaleWidth = 22;
constexpr int kGap = 2;

ScaleText* scaleLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new ScaleText(text, parent);
    label->setObjectName(name);
    // The scale keeps its own font whatever font the box is given.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(8);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    label->setFont(font);
    return label;
}
}  // namespace

ScaleText::ScaleText(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {}

QSize ScaleText::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text_), fontMetrics().height()};
}

void ScaleText::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::AlignRight | Qt::AlignVCenter, text_);
}

BarGauge::BarGauge(const GaugeDesign& design, const QString& boxCaption, QWidget* parent)
    : QWidget(parent) {
    setObjectName(design.panelName);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(design.barName);
    bar_->setOrientation(Qt::Vertical);
    bar_->setRange(design.minimum, design.maximum);
    bar_->setValue(design.initial);
    bar_->setTextVisible(false);
    bar_->setAccessibleName(boxCaption);
    bar_->setAccessibleDescription(
        QStringLiteral("Balken von %1 bis %2").arg(design.minimum).arg(design.maximum));
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
