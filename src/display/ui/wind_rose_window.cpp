#include "display/ui/wind_rose_window.h"

#include <QHideEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QShowEvent>

#include "base/ui/dialog_parts.h"
#include "display/rose_geometry.h"
#include "display/ui/dial_pictures.h"
#include "display/ui/windows_colour.h"

namespace {
constexpr int kDesignedSide = 260;
constexpr int kDesignedDot = 17;
}  // namespace

WindRoseWindow::WindRoseWindow(const WeatherRecord& record, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), record_(record) {
    closeOnEscape(this);
    setObjectName(QStringLiteral("Windrose"));
    setWindowTitle(QStringLiteral("Windrose"));
    setAccessibleName(QStringLiteral("Windrose"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto corner = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setAutoFillBackground(true);
        QPalette white = l->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(white);
        return l;
    };
    Label1 = corner("Label1");
    Label2 = corner("Label2");
    Label1->setAccessibleDescription(QStringLiteral("Windgeschwindigkeit"));
    Label2->setAccessibleDescription(QStringLiteral("Windrichtung"));
    dot_ = QRect(0, 0, kDesignedDot, kDesignedDot);
    // The client area is square: the designed 260 x 253 made square by the first resize.
    setFixedSize(kDesignedSide, kDesignedSide);
}

void WindRoseWindow::placeDot() {
    const QPoint c = roseDotCentre(width(), height(), record_.Wind.GustDir);
    moveDot(
        QRect(c.x() - dot_.width() / 2, c.y() - dot_.height() / 2, dot_.width(), dot_.height()));
}

void WindRoseWindow::moveDot(const QRect& to) {
    if (to == dot_)
        return;
    // Only the dot's old and new places are painted again.
    update(dot_.adjusted(-1, -1, 1, 1));
    dot_ = to;
    update(dot_.adjusted(-1, -1, 1, 1));
}

void WindRoseWindow::UpdateRose(std::uint16_t speed) {
    Label2->setText(roseDirectionText(record_.Wind.GustDir));
    Label1->setText(roseSpeedText(speed, Formats::german()));
    for (QLabel* l : {Label1, Label2})
        l->adjustSize();
    Label1->move(0, height() - Label1->height());
    Label2->move(width() - Label2->width(), height() - Label2->height());
    setAccessibleDescription(Label1->text() + QStringLiteral(", ") + Label2->text());
    placeDot();
    // The dot's size follows the window's outer size.
    const QSize outer = frameGeometry().size();
    moveDot(QRect(dot_.topLeft(), QSize(outer.width() / 15, outer.height() / 15)));
    const std::uint32_t colour = roseColour(speed);
    if (colour != dotColour_) {
        dotColour_ = colour;
        update(dot_.adjusted(-1, -1, 1, 1));
    }
}

void WindRoseWindow::paintEvent(QPaintEvent* event) {
    const qreal scale = devicePixelRatioF();
    if (background_.size() != size() * scale) {
        background_ = QPixmap(size() * scale);
        background_.setDevicePixelRatio(scale);
        QPainter picture(&background_);
        paintRosePicture(picture, size());
    }
    QPainter p(this);
    p.drawPixmap(
        event->rect(), background_,
        QRectF(QPointF(event->rect().topLeft()) * scale, QSizeF(event->rect().size()) * scale));
    if (event->rect().intersects(dot_)) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(colourFromWindows(dotColour_, palette()));
        p.drawEllipse(QRectF(dot_).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void WindRoseWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    placeDot();
}

void WindRoseWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit hidden();
}

void WindRoseWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The client area stays square.
    if (height() != width()) {
        setFixedSize(width(), width());
        return;
    }
    UpdateRose(record_.Wind.GustSpeed);
}
