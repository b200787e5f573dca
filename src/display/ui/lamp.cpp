#include "display/ui/lamp.h"

#include <QPainter>

Lamp::Lamp(const QSize& designSize, QColor colour, QWidget* parent)
    : QWidget(parent), design_(designSize), colour_(colour) {
    setFixedSize(designSize);
}

void Lamp::setColour(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour_.darker(220), 1.0));
    p.setBrush(colour_);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
