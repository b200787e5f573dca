// An icon drawn by a painting function at whatever size and screen scale it is asked for; the
// hover state (QIcon::Active) gets its own drawing.
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <functional>

class VectorIconEngine : public QIconEngine {
public:
    using Paint = std::function<void(QPainter&, const QRectF&, bool hover)>;
    explicit VectorIconEngine(Paint paint) : paint_(std::move(paint)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QIconEngine* clone() const override { return new VectorIconEngine(paint_); }

private:
    Paint paint_;
};

QIcon makeVectorIcon(VectorIconEngine::Paint paint);
