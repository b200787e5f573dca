#include "display/ui/picture_view.h"

#include <QPainter>

#include "display/ui/pictures.h"

PictureView::PictureView(List list, const QSize& designSize, QWidget* parent)
    : QWidget(parent), list_(list), design_(designSize) {
    setMinimumSize(designSize / 2);
}

void PictureView::setPicture(int index) {
    if (index == picture_)
        return;
    picture_ = index;
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The picture list's pictures are smaller than the view (32 x 24 in 63 x 47, 55 x 44 in 63 x
    // 48) and grow with it.
    const QSizeF inner = list_ == List::Trend ? QSizeF(32, 24) : QSizeF(55, 44);
    const double scale =
        std::min(width() / double(design_.width()), height() / double(design_.height()));
    QRectF target(QPointF(0, 0), inner * scale);
    target.moveCenter(QRectF(rect()).center());
    if (list_ == List::Trend)
        paintTrendPicture(p, target, picture_);
    else
        paintForecastPicture(p, target, picture_);
}
