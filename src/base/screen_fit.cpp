#include "base/screen_fit.h"

#include <algorithm>

QRect fitOnScreen(const QRect& frame, const QRect& available) {
    if (available.isEmpty())
        return frame;
    const int width = std::min(frame.width(), available.width());
    const int height = std::min(frame.height(), available.height());
    // The top edge last: a title bar above the screen cannot be reached to move the window back.
    const int x = std::max(std::min(frame.x(), available.right() + 1 - width), available.left());
    const int y = std::max(std::min(frame.y(), available.bottom() + 1 - height), available.top());
    return {x, y, width, height};
}
