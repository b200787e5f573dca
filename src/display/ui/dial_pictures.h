// The backgrounds of the wind rose and the mercury thermometer, drawn as vectors at whatever size
// and screen scale the window has, so that they stay crisp.
#pragma once

#include <QPainter>
#include <QSize>

// The compass rose in a square `size`: two circles around the centre (the outer one is the dot's
// ring), the sixteen-point star, the sixteen German direction names with north at the top and the
// degree marks beside the eight main directions.
void paintRosePicture(QPainter& painter, QSize size);
// The thermometer on its wooden board: tube and bulb, the scale -30 to 50 on both sides with a
// labelled long tick every 10 degrees and short ticks for the single degrees, placed where the
// thermometer geometry puts the values.
void paintThermometerPicture(QPainter& painter, QSize size);
// The mercury column's strip of reds across `width`: dark red at the left, a light highlight right
// of the middle.
void paintMercury(QPainter& painter, QSize size);
