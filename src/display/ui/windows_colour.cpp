#include "display/ui/windows_colour.h"

namespace {
struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The Windows system colour indices (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30) and the palette
// roles that mean the same on this desktop.
SystemColour systemColour(std::uint32_t index) {
    using P = QPalette;
    switch (index) {
        case 0:
            return {P::Active, P::Button};  // scroll bar
        case 1:
            return {P::Active, P::Dark};  // desktop
        case 2:
            return {P::Active, P::Highlight};  // active caption
        case 3:
            return {P::Inactive, P::Mid};  // inactive caption
        case 4:
            return {P::Active, P::Window};  // menu
        case 5:
            return {P::Active, P::Base};  // window
        case 6:
            return {P::Active, P::Shadow};  // window frame
        case 7:
            return {P::Active, P::WindowText};  // menu text
        case 8:
            return {P::Active, P::Text};  // window text
        case 9:
            return {P::Active, P::HighlightedText};  // caption text
        case 10:
            return {P::Active, P::Button};  // active border
        case 11:
            return {P::Inactive, P::Button};  // inactive border
        case 12:
            return {P::Active, P::Dark};  // application workspace
        case 13:
            return {P::Active, P::Highlight};  // highlight
        case 14:
            return {P::Active, P::HighlightedText};  // highlighted text
        case 15:
            return {P::Active, P::Button};  // button face
        case 16:
            return {P::Active, P::Mid};  // button shadow
        case 17:
            return {P::Disabled, P::Text};  // grey text
        case 18:
            return {P::Active, P::ButtonText};  // button text
        case 19:
            return {P::Inactive, P::WindowText};  // inactive caption text
        case 20:
            return {P::Active, P::Light};  // button highlight
        case 21:
            return {P::Active, P::Shadow};  // 3-D dark shadow
        case 22:
            return {P::Active, P::Midlight};  // 3-D light
        case 23:
            return {P::Active, P::ToolTipText};  // info text
        case 24:
            return {P::Active, P::ToolTipBase};  // info background
        case 26:
            return {P::Active, P::Link};  // hot light
        case 27:
            return {P::Active, P::Highlight};  // gradient active caption
        case 28:
            return {P::Inactive, P::Mid};  // gradient inactive caption
        case 29:
            return {P::Active, P::Highlight};  // menu highlight
        case 30:
            return {P::Active, P::Window};  // menu bar
        default:
            return {P::Active, P::Button};
    }
}
}  // namespace

QColor colourFromWindows(std::uint32_t value, const QPalette& palette) {
    if (value & 0x80000000u) {
        const SystemColour s = systemColour(value & 0xFFu);
        return palette.color(s.group, s.role);
    }
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

std::uint32_t windowsFromColour(const QColor& colour) {
    const QColor c = colour.toRgb();
    return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
}
