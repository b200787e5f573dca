// The "Verlauf" window on a simulated week: every chart drawn, the records and daily values
// filled, the crosshair's values those of the minute, and a range moved back by its length; the
// crosshair goes with a range change, Enter in a date shows the range, an end before the start is
// refused, and the PNG picture has its title and leaves the crosshair on screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QXYSeries>

#include "archive/archive_schema.h"
#include "archive/ui/verlauf_chart.h"
#include "archive/ui/verlauf_window.h"
#include "base/app_clock.h"
#include "base/formats.h"
#include "base/notifier.h"
#include "station/group_table.h"
#include "station_model.h"

namespace {
const QDateTime kStart(QDate(2026, 6, 1), QTime(0, 0));

struct SimulatedWeek {
    QTemporaryDir dir;
    QString path = dir.path() + "/wetterpult.sqlite";
    std::int32_t highest = -10000;
    std::vector<MinuteRow> rows;

    SimulatedWeek() {
        StationModel model(7, kStart);
        for (int m = 0; m < 7 * 24 * 60; ++m) {
            model.advance(60);
            MinuteRow row;
            row.minute = minuteOf(model.now());
            row.utcOffset = model.now().offsetFromUtc();
            for (std::uint8_t g : kGroupBytes)
                takeGroupValues(row, g, model.record());
            highest = std::max(highest, row[Quantity::OutdoorTemp].value_or(-10000));
            rows.push_back(row);
        }
        QString error;
        if (!openArchive(path, "week", &error))
            return;
        {
            QSqlDatabase db = QSqlDatabase::database("week");
            MinuteInsert insert(db);
            db.transaction();
            QSqlError failure;
            for (const MinuteRow& row : rows)
                insert.insert(row, &failure);
            db.commit();
        }
        closeArchive("week");
    }
};

int pointsIn(QChartView* view) {
    int n = 0;
    for (QAbstractSeries* s : view->chart()->series())
        if (auto* xy = qobject_cast<QXYSeries*>(s))
            n += int(xy->count());
    return n;
}

// The texts of a chart that Qt Charts shortened because their room was too small.
QStringList shortenedTexts(QChartView* view) {
    QStringList shortened;
    for (QGraphicsItem* item : view->scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
            if (text->isVisible() && (text->toPlainText().endsWith(QStringLiteral("...")) ||
                                      text->toPlainText().endsWith(QChar(0x2026))))
                shortened << text->toPlainText();
    return shortened;
}
}  // namespace

TEST(VerlaufWindow, ShowsASimulatedWeek) {
    SimulatedWeek week;
    ASSERT_EQ(week.rows.size(), 7u * 24 * 60);
    FixedClock clock(kStart.addDays(7));
    ScopedClock clockScope(clock);

    VerlaufWindow window;
    window.setArchive(week.path);
    window.show();
    window.findChild<QPushButton*>("7 Tage")->click();
    EXPECT_EQ(window.range().length(), 7 * 86400);

    for (int i = 0; i < 4; ++i)
        EXPECT_GT(pointsIn(window.chartView(i)), 100) << "chart " << i;
    EXPECT_FALSE(window.chartView(4)->chart()->series().isEmpty());

    auto* days = window.findChild<QTableWidget*>("Tageswerte");
    ASSERT_NE(days, nullptr);
    EXPECT_EQ(days->rowCount(), 8);  // the last minute is 8 June 00:00
    EXPECT_EQ(days->item(0, 0)->text(), "01.06.2026");

    auto* records = window.findChild<QTableWidget*>("Rekorde");
    const QString highest = Formats::german().fixed(week.highest, 1) + QString::fromUtf8(" °C");
    EXPECT_TRUE(records->item(0, 3)->text().startsWith(highest))
        << records->item(0, 3)->text().toStdString() << " / " << highest.toStdString();

    const MinuteRow& noon = week.rows[3 * 24 * 60 + 12 * 60];
    const QString line = window.crosshairAt(noon.minute + 30);
    EXPECT_TRUE(line.contains(QString::fromUtf8("Temperatur außen ") +
                              Formats::german().fixed(*noon[Quantity::OutdoorTemp], 1)))
        << line.toStdString();

    window.findChild<QPushButton*>("Zurueck")->click();
    EXPECT_EQ(window.range().to, kStart.addDays(7).toSecsSinceEpoch() + 60 - 7 * 86400);
    EXPECT_EQ(days->rowCount(), 0);  // the week before the simulation has no data

    // On a small screen, back to the week after the empty one: every axis label and title whole.
    window.resize(1350, 700);
    window.findChild<QPushButton*>("Vor")->click();
    for (int turn = 0; turn < 3; ++turn)
        QApplication::processEvents();
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(shortenedTexts(window.chartView(i)).isEmpty())
            << "chart " << i << ": " << shortenedTexts(window.chartView(i)).join(' ').toStdString();
        // The five time axes are one: every plot has the same left and right edge.
        const QRectF area = window.chartView(i)->chart()->plotArea();
        const QRectF first = window.chartView(0)->chart()->plotArea();
        EXPECT_NEAR(area.left(), first.left(), 1.0) << "chart " << i;
        EXPECT_NEAR(area.right(), first.right(), 1.0) << "chart " << i;
    }
}

TEST(VerlaufWindow, CrosshairDatesAndPicture) {
    SimulatedWeek week;
    FixedClock clock(kStart.addDays(7));
    ScopedClock clockScope(clock);
    RecordingNotifier notifier;
    ScopedNotifier notifierScope(notifier);

    VerlaufWindow window;
    const QRect free = window.screen()->availableGeometry();
    EXPECT_LE(window.width(), free.width());
    EXPECT_LE(window.height(), free.height());
    window.setArchive(week.path);
    window.show();
    window.findChild<QPushButton*>("7 Tage")->click();
    auto* forward = window.findChild<QPushButton*>("Vor");
    EXPECT_FALSE(forward->isEnabled());  // nothing lies beyond now
    QApplication::processEvents();

    // The mouse over the first chart: a crosshair in every chart and the minute's values.
    auto* view = window.chartView(0);
    const QPointF middle = view->chart()->mapToScene(view->chart()->plotArea().center());
    QMouseEvent move(QEvent::MouseMove, view->mapFromScene(middle), view->mapToGlobal(QPoint()),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    auto* values = window.findChild<QLabel*>("Messwerte");
    EXPECT_TRUE(values->text().contains(QString::fromUtf8("Temperatur außen")));
    const auto crosshairs = [&window] {
        int shown = 0;
        for (int i = 0; i < VerlaufWindow::kChartCount; ++i)
            shown += qobject_cast<VerlaufChart*>(window.chartView(i))->crosshairShown();
        return shown;
    };
    EXPECT_EQ(crosshairs(), VerlaufWindow::kChartCount);

    // The picture: the charts below a title line, the crosshair left out (and back on screen).
    const QImage picture = window.chartsPicture();
    EXPECT_GT(picture.height() / picture.devicePixelRatio(),
              window.findChild<QWidget*>("DiagrammFlaeche")->height());
    EXPECT_EQ(crosshairs(), VerlaufWindow::kChartCount);
    window.findChild<QPushButton*>("Zurueck")->click();
    EXPECT_EQ(crosshairs(), 0);  // a new range: the crosshair and its values go
    EXPECT_TRUE(values->text().isEmpty());
    EXPECT_TRUE(forward->isEnabled());
    forward->click();

    // Dates, Enter to show them; an end before the start is refused with a message.
    window.findChild<QPushButton*>("Zeitraum")->click();
    auto* from = window.findChild<QDateEdit*>("Von");
    auto* to = window.findChild<QDateEdit*>("Bis");
    from->setDate(QDate(2026, 6, 2));
    to->setDate(QDate(2026, 6, 4));
    QTest::keyClick(to, Qt::Key_Return);
    EXPECT_EQ(window.range().from, QDateTime(QDate(2026, 6, 2), QTime(0, 0)).toSecsSinceEpoch());
    EXPECT_EQ(window.range().length(), 3 * 86400);
    EXPECT_TRUE(notifier.messages.empty());
    from->setDate(QDate(2026, 6, 5));
    QTest::keyClick(from, Qt::Key_Return);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(window.range().length(), 3 * 86400);  // the range shown stays
}

TEST(VerlaufWindow, AFollowedMinuteKeepsTheTimeLabelsAndMovesTheAxis) {
    VerlaufChart chart(verlaufPlans().front());
    chart.resize(800, 300);
    chart.show();
    const std::int64_t from = kStart.toSecsSinceEpoch();
    VerlaufSeries series;
    series.range = {RangeKind::Day, from, from + 86400};
    const std::vector<TimeTick> ticks = {{from + 3600, "01:00"}, {from + 7200, "02:00"}};
    chart.draw(series, ticks);
    auto* time = qobject_cast<QCategoryAxis*>(chart.chart()->axes(Qt::Horizontal).first());
    ASSERT_NE(time, nullptr);

    // A minute later with the same labels: the axis moves on under them.
    series.range = {RangeKind::Day, from + 60, from + 86460};
    chart.draw(series, ticks);
    EXPECT_EQ(time->min(), double(from + 60) * 1000);
    EXPECT_EQ(time->max(), double(from + 86460) * 1000);
    EXPECT_EQ(time->categoriesLabels(), QStringList({"01:00", "02:00"}));
    EXPECT_LE(time->startValue("01:00"), time->min());

    // A range that starts earlier or has other labels is labelled anew.
    series.range = {RangeKind::Day, from - 60, from + 86340};
    chart.draw(series, ticks);
    EXPECT_EQ(time->startValue("01:00"), time->min());
    chart.draw(series, {{from + 7200, "02:00"}});
    EXPECT_EQ(time->categoriesLabels(), QStringList({"02:00"}));
}
