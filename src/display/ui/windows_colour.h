// Windows colour numbers as the settings file keeps them, and the colours they stand for: a plain
// colour is 0x00BBGGRR (red in the low byte); with the top bit set the low byte names a colour of
// the desktop scheme, taken here from the palette role of the same meaning (0x8000000F, the button
// face, is the palette's button colour).
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

inline constexpr std::uint32_t kButtonFaceColour = 0x8000000F;

QColor colourFromWindows(std::uint32_t value, const QPalette& palette);
// The plain colour number of a colour (never a system colour).
std::uint32_t windowsFromColour(const QColor& colour);
