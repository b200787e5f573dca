#include "display/ui/value_box.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "display/ui/bar_gauge.h"
#include "display/ui/label_area.h"
#include "display/ui/picture_view.h"
#include "display/ui/windows_colour.h"

namespace {
constexpr std::uint32_t kDefaultFontColour =
    8;  // the settings file's default: red 8, green 0, blue 0
constexpr int kPictureWidth = 63;
constexpr int kPictureMinWidth = 40;
}  // namespace

ValueBox::ValueBox(const GroupBoxDesign& design, QWidget* parent)
    : QGroupBox(design.caption, parent),
      number_(design.number),
      background_(kButtonFaceColour),
      fontColour_(kDefaultFontColour) {
    setObjectName(design.name());
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 3, 4);
    row->setSpacing(4);
    labels_ = new LabelArea(design.labels, this);
    row->addWidget(labels_, 1);
    if (design.hasGauge) {
        gauge_ = new BarGauge(design.gauge, design.caption, this);
        row->addWidget(gauge_);
    }
    if (design.number == 6) {
        auto* panel = pictures_ = new QWidget(this);
        panel->setObjectName(QStringLiteral("PanelTrend"));
        auto* pictures = new QVBoxLayout(panel);
        pictures->setContentsMargins(0, 0, 0, 0);
        pictures->setSpacing(0);
        forecast_ = new PictureView(PictureView::List::Forecast, {63, 48}, panel);
        forecast_->setObjectName(QStringLiteral("Image2"));
        forecast_->setAccessibleName(QStringLiteral("Bild der Vorhersage"));
        trend_ = new PictureView(PictureView::List::Trend, {63, 47}, panel);
        trend_->setObjectName(QStringLiteral("Image1"));
        trend_->setAccessibleName(QStringLiteral("Bild der Luftdrucktendenz"));
        pictures->addWidget(forecast_, 1);
        pictures->addWidget(trend_, 1);
        panel->setFixedWidth(kPictureWidth);
        row->addWidget(panel);
        connect(labels_, &LabelArea::neededWidthChanged, this, &ValueBox::fitPictures);
    }
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    applyColours();
}

void ValueBox::setBackgroundColour(std::uint32_t windowsColour) {
    background_ = windowsColour;
    applyColours();
}

void ValueBox::setFontColour(std::uint32_t windowsColour) {
    fontColour_ = windowsColour;
    applyColours();
}

void ValueBox::setFontSize(int points) {
    if (points <= 0)
        return;
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
}

void ValueBox::applyColours() {
    applying_ = true;
    // System colours follow the application's palette; the box's own palette would hide a change.
    const QPalette scheme = QApplication::palette();
    QPalette p = palette();
    p.setColor(QPalette::Window, colourFromWindows(background_, scheme));
    const QColor text = colourFromWindows(fontColour_, scheme);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    setPalette(p);
    applying_ = false;
}

void ValueBox::changeEvent(QEvent* event) {
    // A new desktop scheme changes what the system colour numbers stand for.
    if (event->type() == QEvent::ApplicationPaletteChange && !applying_)
        applyColours();
    QGroupBox::changeEvent(event);
}

void ValueBox::fitPictures() {
    // The barometer's pictures give up some width before its labels are cut.
    if (!pictures_)
        return;
    const QMargins m = layout()->contentsMargins();
    const int room = width() - m.left() - m.right() - layout()->spacing() - labels_->neededWidth();
    const int w = std::clamp(room, kPictureMinWidth, kPictureWidth);
    if (pictures_->width() != w)
        pictures_->setFixedWidth(w);
}

void ValueBox::resizeEvent(QResizeEvent* event) {
    fitPictures();
    QGroupBox::resizeEvent(event);
}
