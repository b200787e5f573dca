#include "display/ui/thermometer_window.h"

#include <qdrawutil.h>
#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFrame>
#include <QHideEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>

#include "base/formats.h"
#include "base/ui/dialog_parts.h"
#include "display/ui/dial_pictures.h"

namespace {
constexpr int kPanelHeight = 17;
constexpr int kTimer1Ms = 1000;
constexpr int kStandInMs = 1500;  // Timer1's wait while the program's second comes
}  // namespace

// Panel1: the caption, raised inside and lowered outside; any click opens the quantity menu.
class CaptionPanel : public QFrame {
public:
    explicit CaptionPanel(QWidget* parent) : QFrame(parent) {
        setObjectName(QStringLiteral("Panel1"));
        setFrameStyle(QFrame::NoFrame);
        setContentsMargins(2, 2, 2, 2);
        setFocusPolicy(Qt::TabFocus);
    }
    void setCaption(const QString& caption) {
        caption_ = caption;
        setAccessibleName(caption);
        update();
    }
    QString caption() const { return caption_; }
    std::function<void()> clicked;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // A lowered outer and a raised inner bevel.
        qDrawShadePanel(&p, rect(), palette(), true, 1);
        qDrawShadePanel(&p, rect().adjusted(1, 1, -1, -1), palette(), false, 1,
                        &palette().brush(QPalette::Button));
        p.drawText(contentsRect(), Qt::AlignCenter, caption_);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
            clicked();
    }
    void contextMenuEvent(QContextMenuEvent* event) override { event->accept(); }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return)
            clicked();
        else
            QFrame::keyPressEvent(event);
    }

private:
    QString caption_;
};

// Image1: the board with tube and scale, drawn for its size.
class ThermometerPicture : public QWidget {
public:
    explicit ThermometerPicture(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Image1"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        const qreal scale = devicePixelRatioF();
        if (cache_.size() != size() * scale) {
            cache_ = QPixmap(size() * scale);
            cache_.setDevicePixelRatio(scale);
            QPainter picture(&cache_);
            paintThermometerPicture(picture, size());
        }
        QPainter p(this);
        const QRect r = event->rect();
        p.drawPixmap(r, cache_, QRectF(QPointF(r.topLeft()) * scale, QSizeF(r.size()) * scale));
    }

private:
    QPixmap cache_;
};

// balken: the mercury, its strip of reds stretched to the column's size.
class MercuryColumn : public QWidget {
public:
    explicit MercuryColumn(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("balken"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paintMercury(p, size());
    }
};

ThermometerWindow::ThermometerWindow(const WeatherRecord& record, QWidget* parent)
    : QWidget(parent, Qt::Tool), record_(record) {
    closeOnEscape(this);
    setObjectName(QStringLiteral("analog"));
    panel_ = new CaptionPanel(this);
    picture_ = new ThermometerPicture(this);
    balken_ = new MercuryColumn(this);
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTimer1Ms);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (timer_->interval() != kTimer1Ms)
            timer_->setInterval(kTimer1Ms);  // no second came: Timer1 ticks on its own again
        Timer1Timer();
    });

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    static const std::pair<const char*, ThermometerQuantity> items[] = {
        {"Innentemperatur1", ThermometerQuantity::IndoorTemp},
        {"Aussentemperatur1", ThermometerQuantity::OutdoorTemp},
        {"Innentaupunkt1", ThermometerQuantity::IndoorDew},
        {"Aussentaupunkt1", ThermometerQuantity::OutdoorDew},
        {"Windchill1", ThermometerQuantity::Windchill}};
    for (const auto& [name, q] : items) {
        QAction* a = popup_->addAction(thermometerCaption(q));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, q = q] { setQuantity(q); });
    }
    panel_->clicked = [this] { popup_->popup(QCursor::pos()); };
    picture_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picture_, &QWidget::customContextMenuRequested, this,
            [this](QPoint pos) { popup_->popup(picture_->mapToGlobal(pos)); });

    // The window starts with the quantity it shows: the outdoor temperature.
    setWindowTitle(thermometerCaption(quantity_));
    resize(227, 600);
    layOut();
    Timer1Timer();
}

QWidget* ThermometerWindow::panel() const {
    return panel_;
}

QWidget* ThermometerWindow::column() const {
    return balken_;
}

bool ThermometerWindow::timerRunning() const {
    return timer_->isActive();
}

void ThermometerWindow::setQuantity(ThermometerQuantity quantity) {
    quantity_ = quantity;
    setWindowTitle(thermometerCaption(quantity));
    Timer1Timer();
}

void ThermometerWindow::Timer1Timer() {
    const int h = height() - kPanelHeight;
    // A missing value shows no column and "--" as its reading.
    const std::optional<double> value = thermometerValue(quantity_, record_);
    const ThermometerColumn c =
        value ? thermometerColumn(h, kPanelHeight, *value) : ThermometerColumn{};
    const QRect to(balken_->x(), c.top, balken_->width(), c.height);
    if (balken_->geometry() != to)
        balken_->setGeometry(to);
    balken_->setVisible(c.height > 0);
    if (panel_->caption() != windowTitle())
        panel_->setCaption(windowTitle());
    // The caption and the reading for a screen reader.
    const QString reading =
        value ? Formats::german().real(*value, 1) + QStringLiteral(" °C") : QStringLiteral("--");
    const QString description = windowTitle() + QStringLiteral(": ") + reading;
    if (accessibleDescription() != description) {
        picture_->setAccessibleName(windowTitle());
        picture_->setAccessibleDescription(reading);
        setAccessibleDescription(description);
    }
}

void ThermometerWindow::secondPassed() {
    if (!timer_->isActive())
        return;  // hidden
    Timer1Timer();
    timer_->start(kStandInMs);
}

void ThermometerWindow::placeColumnAcross() {
    balken_->setGeometry(int(roundHalfEven(width() * 21.0 / 46)), balken_->y(),
                         int(roundHalfEven(width() * 19.0 / 230)), balken_->height());
}

void ThermometerWindow::layOut() {
    panel_->setGeometry(0, 0, width(), kPanelHeight);
    picture_->setGeometry(0, kPanelHeight, width(), height() - kPanelHeight);
    balken_->raise();
}

void ThermometerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_->start(kTimer1Ms);
    Timer1Timer();
    placeColumnAcross();
    resize(int(roundHalfEven(height() / 2.25)), height());
    Timer1Timer();
}

void ThermometerWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_->stop();
    if (!event->spontaneous())
        emit hidden();
}

void ThermometerWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
    if (resizing_)
        return;
    // The width follows the height, so that the board keeps its proportions.
    resizing_ = true;
    const int w = int(roundHalfEven((height() - kPanelHeight) / 2.4));
    if (w != width())
        resize(w, height());
    resizing_ = false;
    placeColumnAcross();
    Timer1Timer();
}
