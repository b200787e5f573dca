#include "display/ui/top_band.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "display/display_design.h"
#include "display/ui/lamp.h"

namespace {
const QColor kReceiveOn(0xFF, 0x00, 0x00);
const QColor kReceiveOff(0x5A, 0x10, 0x10);
constexpr int kReceiveGlowLongestMs = 1250;  // without a second's refresh
constexpr int kSecondsStopMs = 1500;         // no second for so long: the seconds have stopped

// One band of the cool bar: a raised frame with its caption at the left.
QFrame* band(const QString& name, const QString& caption, QWidget* parent, QHBoxLayout*& content) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(6);
    if (!caption.isEmpty())
        row->addWidget(new QLabel(caption, frame));
    content = row;
    return frame;
}

QFrame* separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* designLabel(const QString& name, QWidget* parent) {
    for (const LabelDesign& l : topBandLabels())
        if (l.name == name) {
            auto* label = new QLabel(l.caption, parent);
            label->setObjectName(l.name);
            return label;
        }
    return nullptr;
}
}  // namespace

TopBand::TopBand(QAction* activeAction, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CoolBar1"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);

    QHBoxLayout* row = nullptr;
    QFrame* toolBar1 = band(QStringLiteral("ToolBar1"), QString(), this, row);
    activeButton_ = new QToolButton(toolBar1);
    activeButton_->setObjectName(QStringLiteral("ToolButton1"));
    activeButton_->setDefaultAction(activeAction);
    activeButton_->setAutoRaise(true);
    activeButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    activeButton_->setIconSize({16, 16});
    // Pressed in and tinted while active, so the state reads at a glance in every style.
    activeButton_->setStyleSheet(QStringLiteral(
        "QToolButton { border: 1px solid transparent; border-radius: 3px; padding: 2px 5px; }"
        "QToolButton:hover { border-color: #8a9bb0; background: #e4ecf6; }"
        "QToolButton:checked { border-color: #58805a; background: #c8e4c8; }"
        "QToolButton:checked:hover { border-color: #3f6a42; background: #b6dcb6; }"));
    row->addWidget(activeButton_);
    row->addWidget(separator(toolBar1));
    receive_ = new Lamp({13, 13}, kReceiveOff, toolBar1);
    receive_->setObjectName(QStringLiteral("ReceiveLamp"));
    receive_->setToolTip(QStringLiteral("Empfang"));
    row->addWidget(receive_);
    row->addWidget(separator(toolBar1));
    row->addStretch(1);

    QFrame* panel1 = band(QStringLiteral("Panel1"), QStringLiteral("Letzte Abfrage"), this, row);
    auto* clock = new QVBoxLayout;
    clock->setSpacing(0);
    QLabel* time = designLabel(kStationTimeLabel, panel1);
    QFont bold = time->font();
    bold.setBold(true);
    QFont big = bold;
    big.setPixelSize(13);
    time->setFont(big);
    QLabel* date = designLabel(kStationDateLabel, panel1);
    date->setFont(bold);
    clock->addWidget(time);
    clock->addWidget(date);
    row->addLayout(clock);
    row->addSpacing(12);
    row->addWidget(designLabel(kClockAlarmLabel, panel1));
    row->addStretch(1);

    QFrame* toolBar2 = band(QStringLiteral("ToolBar2"), QStringLiteral("Batterie:"), this, row);
    battery_ = new Lamp({26, 13}, QColor(0x00, 0xFF, 0x00), toolBar2);
    battery_->setObjectName(QStringLiteral("Shape1"));
    battery_->setToolTip(QStringLiteral("Batterie"));
    row->addWidget(battery_);
    row->addWidget(designLabel(kPowerLabel, toolBar2));
    row->addStretch(1);

    QFrame* toolBar3 = band(QStringLiteral("ToolBar3"), QStringLiteral("Display:"), this, row);
    row->addWidget(designLabel(kDisplayModeLabel, toolBar3));
    row->addStretch(1);

    grid->addWidget(toolBar1, 0, 0);
    grid->addWidget(panel1, 0, 1);
    grid->addWidget(toolBar2, 1, 0);
    grid->addWidget(toolBar3, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 2);

    receiveOff_ = new QTimer(this);
    receiveOff_->setSingleShot(true);
    receiveOff_->setInterval(kReceiveGlowLongestMs);
    connect(receiveOff_, &QTimer::timeout, this, [this] { receive_->setColour(kReceiveOff); });
}

bool TopBand::receiving() const {
    return receive_->colour() == kReceiveOn;
}

void TopBand::bytesReceived() {
    if (lastSecond_.isValid() && !lastSecond_.hasExpired(kSecondsStopMs)) {
        bytesThisSecond_ = true;
        return;
    }
    receive_->setColour(kReceiveOn);
    receiveOff_->start();
}

void TopBand::secondPassed() {
    lastSecond_.start();
    receive_->setColour(bytesThisSecond_ ? kReceiveOn : kReceiveOff);
    if (bytesThisSecond_)
        receiveOff_->start();  // out even if this was the last second
    else
        receiveOff_->stop();
    bytesThisSecond_ = false;
}
