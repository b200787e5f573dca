#include "display/ui/dial_pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cmath>
#include <numbers>

#include "display/rose_geometry.h"
#include "display/thermometer_geometry.h"

namespace {

// A point `radius` from `centre` at a compass bearing (0 = north, clockwise).
QPointF bearingPoint(QPointF centre, double radius, double bearing) {
    const double a = (bearing + 270) * std::numbers::pi / 180;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

void drawCentredText(QPainter& p, QPointF at, const QString& text) {
    const QFontMetricsF m(p.font());
    const QRectF box(at.x() - m.horizontalAdvance(text) / 2, at.y() - m.height() / 2,
                     m.horizontalAdvance(text), m.height());
    p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

void paintRosePicture(QPainter& p, QSize size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const double w = size.width();
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double ring = roseRadius(size.width());

    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, ring, ring);
    p.setPen(QPen(Qt::gray, 1));
    p.drawEllipse(centre, ring * 0.6, ring * 0.6);

    // The star: each point a kite of a dark and a light half; main points longest.
    for (int i = 0; i < 16; ++i) {
        const double bearing = i * 22.5;
        const double length = i % 4 == 0 ? ring * 0.92 : i % 2 == 0 ? ring * 0.66 : ring * 0.42;
        const double foot = ring * (i % 4 == 0 ? 0.13 : 0.09);
        const QPointF tip = bearingPoint(centre, length, bearing);
        const QPointF left = bearingPoint(centre, foot, bearing - 45);
        const QPointF right = bearingPoint(centre, foot, bearing + 45);
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(i % 4 == 0 ? Qt::black : QColor(64, 64, 64));
        p.drawPolygon(QPolygonF({centre, left, tip}));
        p.setBrush(i % 4 == 0 ? QColor(160, 160, 160) : QColor(200, 200, 200));
        p.drawPolygon(QPolygonF({centre, right, tip}));
    }

    static const std::array<const char*, 16> names = {"Nord", "NNO", "NO",  "ONO", "Ost", "OSO",
                                                      "SO",   "SSO", "Süd", "SSW", "SW",  "WSW",
                                                      "West", "WNW", "NW",  "NNW"};
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(6, int(w * 0.042)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    const double nameRadius = ring + (w / 2 - ring) * 0.6;
    for (int i = 0; i < 16; ++i)
        drawCentredText(p, bearingPoint(centre, nameRadius, i * 22.5), QString::fromUtf8(names[i]));

    font.setBold(false);
    font.setPixelSize(std::max(5, int(w * 0.034)));
    p.setFont(font);
    p.setPen(QColor(90, 90, 90));
    for (int i = 0; i < 8; ++i) {
        const QString mark = i == 0 ? QStringLiteral("360/0") : QString::number(i * 45);
        drawCentredText(p, bearingPoint(centre, ring * 0.8, i * 45 + 12), mark);
    }
}

void paintThermometerPicture(QPainter& p, QSize size) {
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const int h = size.height();
    // The board: reddish wood with a few darker grain lines.
    QLinearGradient wood(0, 0, w, 0);
    wood.setColorAt(0, QColor(120, 52, 32));
    wood.setColorAt(0.5, QColor(168, 84, 52));
    wood.setColorAt(1, QColor(120, 52, 32));
    p.fillRect(QRect(QPoint(0, 0), size), wood);
    p.setPen(QPen(QColor(100, 42, 26, 120), 1));
    for (int i = 1; i < 8; ++i)
        p.drawLine(QPointF(w * i / 8, 0), QPointF(w * i / 8 + w * 0.02, h));

    const double tubeLeft = w * 21 / 46;
    const double tubeWidth = w * 19 / 230;
    const double tubeCentre = tubeLeft + tubeWidth / 2;
    const double perDegree = thermometerPixelsPerDegree(h);
    const double minus30 = thermometerMinusThirtyY(h);
    const double plus50 = minus30 - 80 * perDegree;

    // Glass tube from just above 50 down into the bulb, and the bulb below the -30 mark.
    const double bulbRadius = tubeWidth * 1.1;
    const double bulbCentre = std::min(minus30 + bulbRadius * 1.2, h - bulbRadius - 2.0);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(235, 240, 245));
    p.drawRoundedRect(QRectF(tubeLeft - 2, plus50 - tubeWidth / 2, tubeWidth + 4,
                             bulbCentre - plus50 + tubeWidth / 2),
                      tubeWidth / 2, tubeWidth / 2);
    QRadialGradient bulb(QPointF(tubeCentre - bulbRadius * 0.3, bulbCentre - bulbRadius * 0.3),
                         bulbRadius * 1.2);
    bulb.setColorAt(0, QColor(255, 150, 150));
    bulb.setColorAt(1, QColor(170, 0, 0));
    p.setBrush(bulb);
    p.drawEllipse(QPointF(tubeCentre, bulbCentre), bulbRadius, bulbRadius);
    // The mercury between the bulb and the -30 mark.
    p.fillRect(QRectF(tubeLeft, minus30, tubeWidth, bulbCentre - minus30), QColor(170, 0, 0));

    // Scales on both sides of the tube.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(6, int(w * 0.055)));
    font.setBold(true);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    for (int degree = -30; degree <= 50; ++degree) {
        const double y = minus30 - (degree + 30) * perDegree;
        const bool major = degree % 10 == 0;
        const double tick = major ? w * 0.12 : degree % 5 == 0 ? w * 0.08 : w * 0.05;
        p.setPen(QPen(QColor(250, 235, 200), major ? 1.5 : 1));
        p.drawLine(QPointF(tubeLeft - 4 - tick, y), QPointF(tubeLeft - 4, y));
        p.drawLine(QPointF(tubeLeft + tubeWidth + 4, y),
                   QPointF(tubeLeft + tubeWidth + 4 + tick, y));
        if (!major)
            continue;
        const QString text = QString::number(degree);
        const double textWidth = metrics.horizontalAdvance(text);
        const double textY = y + metrics.ascent() / 2 - 1;
        p.drawText(QPointF(tubeLeft - 8 - tick - textWidth, textY), text);
        p.drawText(QPointF(tubeLeft + tubeWidth + 8 + tick, textY), text);
    }
    // The unit below the scale, left of the bulb.
    p.setPen(QColor(250, 235, 200));
    drawCentredText(p, QPointF(tubeLeft - w * 0.2, bulbCentre), QStringLiteral("°C"));
}

void paintMercury(QPainter& p, QSize size) {
    QLinearGradient strip(0, 0, size.width(), 0);
    strip.setColorAt(0, QColor(110, 0, 0));
    strip.setColorAt(0.45, QColor(200, 0, 0));
    strip.setColorAt(0.62, QColor(255, 170, 170));
    strip.setColorAt(0.8, QColor(210, 20, 20));
    strip.setColorAt(1, QColor(140, 0, 0));
    p.fillRect(QRect(QPoint(0, 0), size), strip);
}
