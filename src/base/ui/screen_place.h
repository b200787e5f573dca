// Puts a top-level window where it was wanted, but on a screen: the screen under the wanted place
// (else the primary one) takes the window whole, title bar included.
#pragma once

#include <QRect>

class QWidget;

// Moves and resizes `window` to `wanted` (the frame's top-left corner and the inner size, as
// move() and resize() take them), moved and shrunk onto the available area of its screen.
void placeOnScreen(QWidget& window, const QRect& wanted);
