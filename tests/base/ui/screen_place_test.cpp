#include "base/ui/screen_place.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

// A saved place bigger than the screen and above it is moved and shrunk onto the available area,
// title bar included; a place that fits is taken as it stands.
TEST(ScreenPlace, BoundsLargerThanTheScreenAreFittedOntoIt) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);

    placeOnScreen(window, QRect(available.left() - 50, available.top() - 300, available.width() * 4,
                                available.height() * 3));
    EXPECT_EQ(window.pos(), available.topLeft());
    EXPECT_EQ(window.size(), QSize(available.width(), available.height() - titleBar));

    const QRect fits(available.left() + 20, available.top() + 10, available.width() / 2,
                     available.height() / 2);
    placeOnScreen(window, fits);
    EXPECT_EQ(window.geometry(), fits);

    // Hanging over the bottom-right corner: moved back, size kept.
    placeOnScreen(window, fits.translated(available.width() / 2 + 100, available.height()));
    EXPECT_EQ(window.size(), fits.size());
    EXPECT_EQ(window.x() + window.width(), available.right() + 1);
    EXPECT_EQ(window.y() + window.height() + titleBar, available.bottom() + 1);
}
