#include "display/ui/vector_icon.h"

#include <QPainter>
#include <QPixmap>

void VectorIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) {
    paint_(*painter, QRectF(rect), mode == QIcon::Active || mode == QIcon::Selected);
    if (mode == QIcon::Disabled) {
        painter->save();
        painter->setCompositionMode(QPainter::CompositionMode_SourceAtop);
        painter->fillRect(rect, QColor(200, 200, 200, 160));
        painter->restore();
    }
}

QPixmap VectorIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap VectorIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                       qreal scale) {
    QPixmap pm(size * scale);
    pm.setDevicePixelRatio(scale);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paint(&p, QRect(QPoint(0, 0), size), mode, state);
    return pm;
}

QIcon makeVectorIcon(VectorIconEngine::Paint paint) {
    return QIcon(new VectorIconEngine(std::move(paint)));
}
