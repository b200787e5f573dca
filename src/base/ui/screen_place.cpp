#include "base/ui/screen_place.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "base/screen_fit.h"

namespace {
// What the frame adds to the inner size. Before the window manager has framed the window the two
// are equal; then the style's title bar height stands in for the title bar.
QSize frameExtra(const QWidget& window) {
    const QSize extra = window.frameGeometry().size() - window.geometry().size();
    if (extra.height() > 0)
        return extra;
    return {0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window)};
}
}  // namespace

void placeOnScreen(QWidget& window, const QRect& wanted) {
    const QSize extra = frameExtra(window);
    const QRect frame(wanted.topLeft(), wanted.size() + extra);
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect fitted = screen ? fitOnScreen(frame, screen->availableGeometry()) : frame;
    const QSize inner = fitted.size() - extra;
    window.move(fitted.topLeft());
    window.resize(inner);
}
