// The wind rose repaints only where its dot was and where it goes.
#include "display/ui/wind_rose_window.h"

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTest>

#include "display/rose_geometry.h"

namespace {
// Collects the region of every paint event of the watched widget.
class PaintSpy : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};
}  // namespace

TEST(WindRoseWindow, ANewGustRepaintsOnlyTheDotsOldAndNewPlace) {
    WeatherRecord record;
    record.Wind.GustDir = 90;
    WindRoseWindow rose(record);
    PaintSpy spy;
    rose.installEventFilter(&spy);
    rose.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&rose));
    rose.UpdateRose(70);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !spy.painted.isEmpty(); }));
    QCoreApplication::processEvents();
    const QRect before = rose.dotRect();

    spy.painted = {};
    record.Wind.GustDir = 225;
    rose.UpdateRose(420);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !spy.painted.isEmpty(); }));
    QCoreApplication::processEvents();
    const QRect after = rose.dotRect();
    EXPECT_EQ(after.center(), roseDotCentre(260, 260, 225));
    const QRegion allowed = QRegion(before.adjusted(-1, -1, 1, 1)) + after.adjusted(-1, -1, 1, 1);
    EXPECT_TRUE((spy.painted - allowed).isEmpty()) << spy.painted.boundingRect().width();
}
