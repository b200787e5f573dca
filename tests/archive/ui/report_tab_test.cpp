// The tab "Berichte" and the dialog "Ungültig markieren..." through their widgets: the month of the
// window's range shown and saved, and a span marked in the dialog that leaves the report's high.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "archive/ui/mark_span_dialog.h"
#include "archive/ui/report_tab.h"
#include "base/formats.h"

TEST(ReportTab, MonthOfTheRangeShownSavedAndAMarkTakenFromIt) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/wetterpult.sqlite";
    const std::int64_t first = QDateTime(QDate(2026, 6, 3), QTime(0, 0)).toSecsSinceEpoch();
    QString error;
    ASSERT_TRUE(openArchive(path, "fill", &error));
    {
        QSqlDatabase db = QSqlDatabase::database("fill");
        MinuteInsert insert(db);
        QSqlError failure;
        for (int m = 0; m < 120; ++m) {
            MinuteRow row;
            row.minute = first + m * 60;
            row.utcOffset = QDateTime::fromSecsSinceEpoch(row.minute).offsetFromUtc();
            row[Quantity::OutdoorTemp] = m == 60 ? 450 : 180;
            ASSERT_TRUE(insert.insert(row, &failure));
        }
    }
    closeArchive("fill");

    const VerlaufRange range =
        VerlaufRange::endingAt(RangeKind::Week, QDateTime::fromSecsSinceEpoch(first + 5 * 86400));
    ReportTab tab([&] { return ReportSource{path, range}; });
    tab.show();
    EXPECT_EQ(tab.month(), 6);
    EXPECT_TRUE(tab.text().startsWith("Klimabericht Juni 2026\n"));
    EXPECT_TRUE(tab.text().contains(" 45.0 "));
    ASSERT_TRUE(tab.saveTo(dir.path() + "/juni.txt"));
    QFile saved(dir.path() + "/juni.txt");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("Klimabericht Juni 2026\r\n"));

    MarkSpanDialog dialog(path, first + 50 * 60, first + 70 * 60);
    dialog.quantity->setCurrentText(QString::fromUtf8("Temperatur außen"));
    ASSERT_TRUE(dialog.apply());
    tab.refresh();
    EXPECT_FALSE(tab.text().contains(" 45.0 "));
    EXPECT_TRUE(tab.text().contains("ungültig"));
}
