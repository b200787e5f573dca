// Values marked "ungültig": the record that moves when its spike is marked and comes back when
// a part of the mark is taken away, the daily values that follow at once, the minutes that show the
// marked value as missing, and a row that arrives later inside a marked span.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archive/archive_marks.h"
#include "archive/archive_queries.h"
#include "archive/archive_schema.h"

namespace {
constexpr std::int64_t kDay1 = 1717200000;  // 2024-06-01 00:00 UTC

MinuteRow row(std::int64_t minute, int temp, int rainTotal) {
    MinuteRow r;
    r.minute = minute;
    r.groups = 0x1F;
    r[Quantity::OutdoorTemp] = temp;
    r[Quantity::RainTotal] = rainTotal;
    return r;
}

void insert(const QString& path, const std::vector<MinuteRow>& rows) {
    QString error;
    ASSERT_TRUE(openArchive(path, "fill", &error)) << error.toStdString();
    {
        QSqlDatabase db = QSqlDatabase::database("fill");
        MinuteInsert insert(db);
        db.transaction();
        for (const MinuteRow& r : rows) {
            QSqlError failure;
            ASSERT_TRUE(insert.insert(r, &failure)) << failure.text().toStdString();
        }
        db.commit();
    }
    closeArchive("fill");
}
}  // namespace

TEST(ArchiveMarks, MarkedSpikeLeavesRecordsDaysAndMinutesAndComesBack) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/wetterpult.sqlite";
    // Two days of minutes, 10.0 °C to 19.9 °C, with a spike of 60.0 °C on the second day at
    // 10:00 and the rain gauge jumping by 50 mm for that one minute.
    std::vector<MinuteRow> rows;
    for (int m = 0; m < 2 * 1440; m += 5) {
        const bool spike = m == 1440 + 600;
        rows.push_back(row(kDay1 + m * 60, spike ? 600 : 100 + (m / 5) % 100, spike ? 60 : 10));
    }
    insert(path, rows);
    const std::int64_t spike = kDay1 + (1440 + 600) * 60;
    {
        ArchiveReader reader(path);
        ASSERT_EQ(reader.records(kDay1, kDay1 + 2 * 86400).tempHigh->value, 600);
    }

    QString error;
    ASSERT_TRUE(setMarked(path, markNameFor("temperatur-aussen")->quantities, spike - 120,
                          spike + 120, true, &error))
        << error.toStdString();
    ASSERT_TRUE(setMarked(path, markNameFor("Regen")->quantities, spike, spike + 60, true, &error));
    {
        ArchiveReader reader(path);
        const PeriodRecords records = reader.records(kDay1, kDay1 + 2 * 86400);
        EXPECT_EQ(records.tempHigh->value, 199);
        EXPECT_NE(records.tempHigh->minute, spike);
        EXPECT_FALSE(records.wettestDay);  // the gauge's jump was the only rain
        const auto days = reader.dailySummaries(kDay1, kDay1 + 2 * 86400);
        ASSERT_EQ(days.size(), 2u);
        EXPECT_EQ(days[1].tempHigh->value, 199);
        EXPECT_EQ(days[1].rain.value_or(-1), 0);
        EXPECT_EQ(days[1].minutes, 288);  // the minute itself is still there
        // A range that cuts hours reads its ends from the minutes: the mark holds there too (the
        // highest of the other minutes of that half hour is 11.3 °C).
        EXPECT_EQ(reader.records(spike - 1800, spike + 1800).tempHigh->value, 113);
        const auto minute = reader.minuteAt(spike);
        ASSERT_TRUE(minute);
        EXPECT_FALSE((*minute)[Quantity::OutdoorTemp]);
        EXPECT_EQ(reader.marks(kDay1, kDay1 + 2 * 86400).size(), 3u);
    }

    // A minute imported later into the marked span does not count either.
    insert(path, {row(spike + 60, 550, 10)});
    {
        ArchiveReader reader(path);
        EXPECT_EQ(reader.records(kDay1, kDay1 + 2 * 86400).tempHigh->value, 199);
    }

    // Unmarking the spike's own minute gives it back; the rest of the mark stays.
    ASSERT_TRUE(setMarked(path, markNameFor("temperatur-aussen")->quantities, spike, spike + 60,
                          false, &error));
    ArchiveReader reader(path);
    const PeriodRecords records = reader.records(kDay1, kDay1 + 2 * 86400);
    EXPECT_EQ(records.tempHigh->value, 600);
    EXPECT_EQ(records.tempHigh->minute, spike);
    EXPECT_EQ(reader.dailySummaries(kDay1 + 86400, kDay1 + 2 * 86400)[0].tempHigh->value, 600);
    // The two parts left of the temperature's mark, the rain's total and rate.
    EXPECT_EQ(reader.marks(spike - 120, spike + 120).size(), 4u);
}
