#include "display/ui/window_settings_host.h"

#include "base/ui/screen_place.h"
#include "display/ui/form1.h"
#include "display/ui/value_box.h"

WindowBounds WindowSettingsHost::windowBounds() const {
    return {form_.height(), form_.width(), form_.y(), form_.x()};
}

void WindowSettingsHost::setWindowBounds(const WindowBounds& b) {
    // Bounds saved on another screen (or hand-edited) are moved and shrunk onto this one.
    placeOnScreen(form_, QRect(b.left, b.top, b.width, b.height));
}

WinColor WindowSettingsHost::panelColor(int panel) const {
    ValueBox* box = form_.box(panel);
    return box ? WinColor(box->backgroundColour()) : kButtonFace;
}

void WindowSettingsHost::setPanelColor(int panel, WinColor color) {
    if (ValueBox* box = form_.box(panel))
        box->setBackgroundColour(std::uint32_t(color));
}

int WindowSettingsHost::panelFontSize(int panel) const {
    ValueBox* box = form_.box(panel);
    return box ? box->fontSize() : 8;
}

void WindowSettingsHost::setPanelFontSize(int panel, int points) {
    if (ValueBox* box = form_.box(panel))
        box->setFontSize(points);
}

WinColor WindowSettingsHost::panelFontColor(int panel) const {
    ValueBox* box = form_.box(panel);
    return box ? WinColor(box->fontColour()) : 8;
}

void WindowSettingsHost::setPanelFontColor(int panel, WinColor color) {
    if (ValueBox* box = form_.box(panel))
        box->setFontColour(std::uint32_t(color));
}

void WindowSettingsHost::setPortName(const QString& name) {
    links_.setPortName(name);
    form_.setPortName(name);
}
