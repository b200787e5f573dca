// The wind rose's numbers: where the dot stands for a direction, the ring it runs on, its colour
// for a gust speed and the two corner texts. The window only places and paints what these say.
#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>

#include "base/formats.h"

// Radius of the dot's ring: half the client width less a sixth and a half of it (90 at 260).
int roseRadius(int clientWidth);
// Centre of the dot for a gust direction (whole degrees, 0 = north, clockwise; y grows downward).
QPoint roseDotCentre(int clientWidth, int clientHeight, int direction);
// The dot's colour as a Windows colour value (red + 256 * green + 65536 * blue) for a speed in
// tenths of m/s: blue, cyan, green, yellow, red in bands of 14 m/s. Calm (0) is the ramp's blue,
// anything above 56 m/s pure red.
std::uint32_t roseColour(std::uint16_t speed);
// "12,5 m/s" for 125, "4 m/s" for 40: the speed in the shortest form.
QString roseSpeedText(std::uint16_t speed, const Formats& formats);
// "225°".
QString roseDirectionText(int direction);
