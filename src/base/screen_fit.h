// Where a window goes on a screen: a saved or computed place that does not fit the present screen
// (a smaller monitor, a higher scale, a title bar above the top edge) is moved and shrunk onto it.
#pragma once

#include <QRect>

// The window's outer rectangle (frame and title bar included) within the screen's available area:
// no wider and no higher than that area, its top and left edges inside it, its right and bottom
// edges too where the size allows. A rectangle that fits is returned unchanged.
QRect fitOnScreen(const QRect& frame, const QRect& available);
