#include "display/ui/columns_area.h"

#include <QEvent>
#include <algorithm>
#include <cmath>

#include "display/display_design.h"
#include "display/ui/value_box.h"

namespace {
QWidget* panel(const char* name, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
}  // namespace

ColumnsArea::ColumnsArea(QWidget* parent) : QWidget(parent) {
    left_ = panel("PanelLinks", this);
    middle_ = panel("PanelMitte", this);
    right_ = panel("PanelRechts", this);
    right2_ = panel("PanelRechts2", right_);
    for (const GroupBoxDesign& d : groupBoxDesigns()) {
        QWidget* parentPanel = d.column == Column::Left     ? left_
                               : d.column == Column::Middle ? middle_
                               : d.slot == Slot::Foot       ? right_
                                                            : right2_;
        auto* box = new ValueBox(d, parentPanel);
        if (d.designHeight > 0)
            box->resize(box->width(), d.designHeight);
        boxes_[d.number] = box;
        // A box whose labels need more or less room changes the window's least size.
        box->installEventFilter(this);
    }
    // The designed layout until the first resize: 185 | rest | 214 pixels.
    last_.leftWidth = 185;
    last_.rightWidth = 214;
    last_.groupBox10 = groupBoxDesign(10)->designHeight;
}

ValueBox* ColumnsArea::box(int number) const {
    auto it = boxes_.find(number);
    return it == boxes_.end() ? nullptr : it->second;
}

bool ColumnsArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::FontChange)
        updateGeometry();
    return QWidget::eventFilter(watched, event);
}

QSize ColumnsArea::minimumSizeHint() const {
    auto need = [this](std::initializer_list<int> numbers) {
        QSize s;
        for (int n : numbers)
            s = s.expandedTo(box(n)->minimumSizeHint());
        return s;
    };
    // Every column is a third of the width (the middle one at least): the widest box decides.
    const QSize all = need({2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    // Left and middle: top and bottom box a third of the height each, the middle box the rest.
    // Right: the wind box a third, the inner panel the rest, shared in thirds by its three boxes;
    // a half box more for the thirds that follow the inner panel's previous height.
    const int left = 3 * need({2, 3, 6}).height();
    const int middle = 3 * need({4, 5, 9}).height();
    const int wind = 3 * box(10)->minimumSizeHint().height();
    const int right = int(std::ceil(4.5 * need({7, 8, 11}).height())) + need({7}).height() / 2;
    return {3 * all.width(), std::max({left, middle, wind, right})};
}

void ColumnsArea::resizeEvent(QResizeEvent*) {
    FormResize();
}

void ColumnsArea::placeColumn(QWidget* column, ValueBox* top, ValueBox* fill, ValueBox* bottom,
                              int topHeight, int bottomHeight) {
    const int w = column->width();
    const int h = column->height();
    // The rule's heights, unless they would cut a box's labels: the right column's thirds follow
    // its previous height, which after a large step can leave a box too little room.
    const int topLeast = top->minimumSizeHint().height();
    const int bottomLeast = bottom->minimumSizeHint().height();
    topHeight = std::max(topHeight, std::min(topLeast, h));
    bottomHeight = std::max(bottomHeight, std::min(bottomLeast, h - topHeight));
    const int short_ = fill->minimumSizeHint().height() - (h - topHeight - bottomHeight);
    if (short_ > 0) {
        const int fromTop = std::min(short_ / 2 + short_ % 2, std::max(topHeight - topLeast, 0));
        topHeight -= fromTop;
        bottomHeight -= std::min(short_ - fromTop, std::max(bottomHeight - bottomLeast, 0));
    }
    top->setGeometry(0, 0, w, topHeight);
    bottom->setGeometry(0, h - bottomHeight, w, bottomHeight);
    fill->setGeometry(0, topHeight, w, std::max(h - topHeight - bottomHeight, 0));
}

void ColumnsArea::FormResize() {
    const int w = width();
    const int h = height();
    ResizeInput in;
    in.clientWidth = w;
    in.leftClientHeight = h;
    in.middleClientHeight = h;
    // The right inner panel still has the height it had before the wind box follows the rain box.
    in.right2ClientHeight = std::max(h - last_.groupBox10, 0);
    const ResizeResult r = ::FormResize(in);

    left_->setGeometry(0, 0, r.leftWidth, h);
    right_->setGeometry(w - r.rightWidth, 0, r.rightWidth, h);
    middle_->setGeometry(r.leftWidth, 0, std::max(w - r.leftWidth - r.rightWidth, 0), h);
    placeColumn(left_, box(3), box(2), box(6), r.groupBox3, r.groupBox6);
    placeColumn(middle_, box(5), box(4), box(9), r.groupBox5, r.groupBox9);
    box(10)->setGeometry(0, h - r.groupBox10, r.rightWidth, r.groupBox10);
    right2_->setGeometry(0, 0, r.rightWidth, std::max(h - r.groupBox10, 0));
    placeColumn(right2_, box(8), box(7), box(11), r.groupBox8, r.groupBox11);
    last_ = r;
}
