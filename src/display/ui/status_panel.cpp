#include "display/ui/status_panel.h"

#include <QPainter>

StatusPanel::StatusPanel(const QString& text, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // It fills its own background, so that a countdown's repaint each second stops here instead
    // of painting the status bar and the window below it as well.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setText(text);
}

int StatusPanel::indent() const {
    // A framed label's text stands half an 'x' inside its frame.
    return fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
}

int StatusPanel::widthFor(const QString& text) const {
    return fontMetrics().horizontalAdvance(text) + 2 * (frameWidth() + indent());
}

void StatusPanel::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    setAccessibleName(text);
    // A countdown that only changes its digits keeps its width: measuring (shaping) the text
    // every second would cost more than painting it.
    QString shape = text;
    for (QChar& c : shape)
        if (c.isDigit())
            c = QLatin1Char('0');
    if (shape != measuredShape_) {
        measuredShape_ = shape;
        const int needed = widthFor(text);
        if (needed > minimumWidth())
            setMinimumWidth(needed);
    }
    update();
}

QSize StatusPanel::sizeHint() const {
    return {std::max(minimumWidth(), widthFor(text_)), fontMetrics().height() + 2 * frameWidth()};
}

QSize StatusPanel::minimumSizeHint() const {
    return sizeHint();
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    drawFrame(&painter);
    // Drawn from its baseline, upright in the middle: a single line needs no text layout, which
    // drawing into a rectangle builds on every paint.
    const QRectF room = contentsRect();
    const QFontMetricsF metrics(font());
    painter.drawText(
        QPointF(room.left() + indent(),
                room.top() + (room.height() - metrics.height()) / 2 + metrics.ascent()),
        text_);
}
