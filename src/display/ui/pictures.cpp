#include "display/ui/pictures.h"

#include <QPainterPath>
#include <algorithm>

namespace {
// Maps a design area of the given size into the target, centred, keeping its proportions.
void fitDesign(QPainter& p, const QRectF& target, double width, double height) {
    const double scale = std::min(target.width() / width, target.height() / height);
    p.translate(target.center().x() - width * scale / 2, target.center().y() - height * scale / 2);
    p.scale(scale, scale);
}

void arrow(QPainter& p, QPointF from, QPointF to, bool bothEnds) {
    const QColor colour(0x1F, 0x4E, 0x9A);
    const double head = 7.0;
    const QLineF line(from, to);
    // The shaft stops inside the heads so that its flat end does not show beside the tip.
    const QPointF unit = (to - from) / line.length();
    const QLineF shaft(bothEnds ? from + unit * head * 0.8 : from, to - unit * head * 0.8);
    p.setPen(QPen(colour, 3.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(shaft);
    auto tip = [&](QPointF at, QPointF towards) {
        QLineF back(at, towards);
        back.setLength(head);
        QLineF left = back, right = back;
        left.setAngle(back.angle() + 28);
        right.setAngle(back.angle() - 28);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({at, left.p2(), right.p2()}));
    };
    tip(to, from);
    if (bothEnds)
        tip(from, to);
}

QPainterPath cloudPath(QPointF origin, double scale) {
    QPainterPath path;
    auto ellipse = [&](double x, double y, double w, double h) {
        QPainterPath e;
        e.addEllipse(QRectF(origin.x() + x * scale, origin.y() + y * scale, w * scale, h * scale));
        path = path.united(e);
    };
    ellipse(0, 10, 16, 14);
    ellipse(8, 2, 18, 18);
    ellipse(20, 6, 16, 16);
    ellipse(28, 12, 12, 12);
    QPainterPath base;
    base.addRoundedRect(
        QRectF(origin.x() + 6 * scale, origin.y() + 14 * scale, 28 * scale, 10 * scale), 4 * scale,
        4 * scale);
    return path.united(base);
}

void sun(QPainter& p, QPointF centre, double radius) {
    p.setPen(QPen(QColor(0xE8, 0x9A, 0x00), radius * 0.18, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        QLineF ray(centre, centre + QPointF(radius * 1.75, 0));
        ray.setAngle(i * 45.0 + 22.5);
        QLineF inner(centre, centre + QPointF(radius * 1.3, 0));
        inner.setAngle(ray.angle());
        p.drawLine(inner.p2(), ray.p2());
    }
    p.setPen(QPen(QColor(0xE8, 0x9A, 0x00), 1.2));
    p.setBrush(QColor(0xFF, 0xCC, 0x1A));
    p.drawEllipse(centre, radius, radius);
}

void cloud(QPainter& p, QPointF origin, double scale, QColor fill) {
    p.setPen(QPen(fill.darker(150), 1.2));
    p.setBrush(fill);
    p.drawPath(cloudPath(origin, scale));
}
}  // namespace

void paintTrendPicture(QPainter& painter, const QRectF& target, int code) {
    if (code != 1 && code != 2 && code != 4)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    fitDesign(painter, target, 32, 24);
    if (code == 1)
        arrow(painter, {5, 20}, {27, 4}, false);
    if (code == 2)
        arrow(painter, {2, 12}, {30, 12}, true);
    if (code == 4)
        arrow(painter, {5, 4}, {27, 20}, false);
    painter.restore();
}

void paintForecastPicture(QPainter& painter, const QRectF& target, int code) {
    if (code != 1 && code != 2 && code != 4 && code != 8)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    fitDesign(painter, target, 55, 44);
    switch (code) {
        case 1:
            sun(painter, {27.5, 22}, 10);
            break;
        case 2:
            cloud(painter, {5, 8}, 1.1, QColor(0xA9, 0xAE, 0xB8));
            break;
        case 4:
            sun(painter, {19, 16}, 8.5);
            cloud(painter, {12, 16}, 0.95, QColor(0xE4, 0xE7, 0xEC));
            break;
        case 8: {
            cloud(painter, {6, 2}, 1.05, QColor(0x8A, 0x90, 0x9C));
            painter.setPen(QPen(QColor(0x1E, 0x6F, 0xD9), 2.2, Qt::SolidLine, Qt::RoundCap));
            for (double x : {14.0, 24.0, 34.0, 44.0}) {
                painter.drawLine(QPointF(x, 31), QPointF(x - 3, 37));
                painter.drawLine(QPointF(x - 5, 38), QPointF(x - 7, 42));
            }
            break;
        }
    }
    painter.restore();
}

void paintActiveIcon(QPainter& painter, const QRectF& target, bool hover) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    fitDesign(painter, target, 16, 16);
    const QColor mast = hover ? QColor(0x12, 0x8A, 0x2E) : QColor(0x3A, 0x46, 0x58);
    const QColor waves = hover ? QColor(0x22, 0xC0, 0x44) : QColor(0x5A, 0x78, 0xA0);
    painter.setPen(QPen(mast, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 6.5), QPointF(4.5, 15));
    painter.drawLine(QPointF(8, 6.5), QPointF(11.5, 15));
    painter.drawLine(QPointF(5.6, 12.3), QPointF(10.4, 12.3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(mast);
    painter.drawEllipse(QPointF(8, 5.5), 1.7, 1.7);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(waves, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (double r : {3.6, 6.2}) {
        const QRectF arc(8 - r, 5.5 - r, 2 * r, 2 * r);
        painter.drawArc(arc, 30 * 16, 60 * 16);
        painter.drawArc(arc, 90 * 16, 60 * 16);
    }
    painter.restore();
}
