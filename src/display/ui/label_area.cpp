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

int LabelArea::valueWidth() const {
    int w = 0;
    for (std::size_t i = 0; i + 1 < items_.size(); ++i)
        if (items_[i + 1].besidePrevious)
            w = std::max(w, items_[i].label->sizeHint().width());
    return w;
}

int LabelArea::timeWidth() const {
    int w = 0;
    for (const Item& i : items_)
        if (i.besidePrevious)
            w = std::max(w, i.label->sizeHint().width());
    return w;
}

QSize LabelArea::minimumSizeHint() const {
    const int lh = fontMetrics().height();
    int rows = 0;
    for (const Item& i : items_)
        if (!i.besidePrevious)
            ++rows;
    const int all = int(items_.size());
    if (rows == all)
        return {neededWidth(), all * lh};
    return {std::max(neededWidth(), valueWidth() + kGap + timeWidth()), rows * lh};
}

bool LabelArea::event(QEvent* event) {
    // A label's text or the font changed its size: place the labels again (within this box only),
    // and tell the window when the least room the labels need has changed.
    if (event->type() == QEvent::LayoutRequest) {
        place();
        const int needed = neededWidth();
        if (needed != neededWidth_) {
            neededWidth_ = needed;
            emit neededWidthChanged();
        }
        if (minimumSizeHint() != minimum_) {
            minimum_ = minimumSizeHint();
            updateGeometry();
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
    for (const Item& i : items_)
        if (!i.besidePrevious)
            ++rows;
    const int values = valueWidth();
    // One label per line when that fits; else the times beside their values when that fits.
    paired_ = all * lh > height() && rows < all && values + kGap + timeWidth() <= w;
    const int lines = paired_ ? rows : all;
    const int spacing = std::clamp((height() - lines * lh) / std::max(lines, 1), 0, kMaxSpacing);
    int y = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (paired_ && item.besidePrevious) {
            const int x = values + kGap;
            item.label->setGeometry(x, y - lh - spacing, w - x, lh);
            continue;
        }
        item.label->setGeometry(0, y, w, lh);
        y += lh + spacing;
    }
}
