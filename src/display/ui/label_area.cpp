#include "display/ui/label_area.h"

#include <QEvent>
#include <QLabel>

namespace {
constexpr int kGap = 8;
constexpr int kMaxSpacing = 3;
}  // namespace

LabelArea::LabelArea(const std::vector<LabelDesign>& labels, QWidget* parent) : QWidget(parent) {
    for (const LabelDesign& l : labels) {
        auto* label = new QLabel(l.caption, this);
        label->setObjectName(l.name);
        if (l.hidden) {
            label->hide();
            continue;
        }
        items_.push_back({label, l.besidePrevious});
    }
}

int LabelArea::neededWidth() const {
    int w = 0;
    for (const Item& i : items_)
        w = std::max(w, i.label->sizeHint().width());
    return w;
}

bool LabelArea::event(QEvent* event) {
    // A label's text changed its size: place the labels again (within this box only).
    if (event->type() == QEvent::LayoutRequest) {
        place();
        const int needed = neededWidth();
        if (needed != neededWidth_) {
            neededWidth_ = needed;
            emit neededWidthChanged();
        }
    }
    return QWidget::event(event);
}

void LabelArea::resizeEvent(QResizeEvent*) {
    place();
}

void LabelArea::place() {
    if (items_.empty())
        return;
    const int lh = fontMetrics().height();
    const int w = width();
    const int all = int(items_.size());
    int rows = 0;
    int valueWidth = 0;  // widest label that has a time beside it
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (!items_[i].besidePrevious)
            ++rows;
        if (i + 1 < items_.size() && items_[i + 1].besidePrevious)
            valueWidth = std::max(valueWidth, items_[i].label->sizeHint().width());
    }
    int timeWidth = 0;
    for (const Item& i : items_)
        if (i.besidePrevious)
            timeWidth = std::max(timeWidth, i.label->sizeHint().width());
    // One label per line when that fits; else the times beside their values when that fits.
    paired_ = all * lh > height() && rows < all && valueWidth + kGap + timeWidth <= w;
    const int lines = paired_ ? rows : all;
    const int spacing = std::clamp((height() - lines * lh) / std::max(lines, 1), 0, kMaxSpacing);
    int y = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (paired_ && item.besidePrevious) {
            const int x = valueWidth + kGap;
            item.label->setGeometry(x, y - lh - spacing, w - x, lh);
            continue;
        }
        item.label->setGeometry(0, y, w, lh);
        y += lh + spacing;
    }
}
