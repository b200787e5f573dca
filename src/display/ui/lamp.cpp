#include "display/ui/lamp.h"

#include <QPainter>
#include <QPixmapCache>

Lamp::Lamp(const QSize& designSize, QColor colour, QWidget* parent)
    : QWidget(parent), design_(designSize), colour_(colour) {
    setFixedSize(designSize);
    // Drawn on its own background: going on and off repaints the lamp alone, not its band.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Lamp::setColour(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void Lamp::paintEvent(QPaintEvent*) {
    // The receive lamp goes on and off with every group: each look is drawn once and kept.
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("Lamp %1 %2x%3 %4")
                            .arg(colour_.rgba())
                            .arg(width())
                            .arg(height())
                            .arg(ratio);
    QPixmap look;
    if (!QPixmapCache::find(key, &look)) {
        look = QPixmap(size() * ratio);
        look.setDevicePixelRatio(ratio);
        look.fill(Qt::transparent);
        QPainter p(&look);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour_.darker(220), 1.0));
        p.setBrush(colour_);
        p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        p.end();
        QPixmapCache::insert(key, look);
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(0, 0, look);
}
