// The archive's queries against values worked out by hand: the reduced series keeps every
// bucket's extremes, the daily summaries (times of the highs and lows, means, rain across a reset
// of the total, the strongest gust) and the records; and a file of the first schema version is
// brought up to date with its rows kept.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <map>

#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "archive/prepared_statements.h"

namespace {
constexpr std::int64_t kDay1 = 1717200000;  // 2024-06-01 00:00 UTC
constexpr std::int64_t kHour = 3600;

struct TempArchive {
    QTemporaryDir dir;
    QString path = dir.path() + "/wetterpult.sqlite";

    void insert(const std::vector<MinuteRow>& rows) {
        QString error;
        ASSERT_TRUE(openArchive(path, "fill", &error)) << error.toStdString();
        {
            QSqlDatabase db = QSqlDatabase::database("fill");
            MinuteInsert insert(db);
            db.transaction();
            for (const MinuteRow& row : rows) {
                QSqlError failure;
                ASSERT_TRUE(insert.insert(row, &failure)) << failure.text().toStdString();
            }
            db.commit();
        }
        closeArchive("fill");
    }
};

MinuteRow row(std::int64_t minute, std::optional<int> temp, std::optional<int> rainTotal,
              std::optional<int> gust = {}, std::optional<int> dir = {}) {
    MinuteRow r;
    r.minute = minute;
    r.groups = 0x1F;
    r[Quantity::OutdoorTemp] = temp;
    r[Quantity::RainTotal] = rainTotal;
    r[Quantity::MinuteGust] = gust;
    r[Quantity::MinuteGustDir] = dir;
    return r;
}
}  // namespace

TEST(ArchiveQueries, ReductionKeepsEveryBucketsExtremes) {
    TempArchive archive;
    std::vector<MinuteRow> rows;
    for (int m = 0; m < 1000; ++m)
        rows.push_back(row(kDay1 + m * 60, m == 333 ? 500 : m == 777 ? -300 : m % 7, {}));
    archive.insert(rows);

    ArchiveReader reader(archive.path);
    const auto points = reader.reducedSeries(Quantity::OutdoorTemp, kDay1, kDay1 + 1000 * 60, 20);
    ASSERT_LE(points.size(), 20u);
    // Buckets of whole hours from an hour on: nine of two hours, each its low and its high.
    ASSERT_GE(points.size(), 17u);
    EXPECT_TRUE(std::is_sorted(points.begin(), points.end(),
                               [](auto& a, auto& b) { return a.minute < b.minute; }));
    const auto [low, high] = std::minmax_element(
        points.begin(), points.end(), [](auto& a, auto& b) { return a.value < b.value; });
    EXPECT_EQ(high->value, 500);
    EXPECT_EQ(high->minute, kDay1 + 333 * 60);
    EXPECT_EQ(low->value, -300);
    EXPECT_EQ(low->minute, kDay1 + 777 * 60);
    // A bucket without the spikes still gives its own low and high (0 and 6).
    EXPECT_EQ(points[0].value, 0);
    EXPECT_EQ(points[1].value, 6);
}

TEST(ArchiveQueries, DailySummariesAndRecordsByHand) {
    TempArchive archive;
    archive.insert({
        row(kDay1, 100, 10, 30, 90),
        row(kDay1 + 6 * kHour, 50, 12, 30, 180),  // the day's low; an equal gust later
        row(kDay1 + 14 * kHour, 250, 15),         // the day's high
        row(kDay1 + 24 * kHour - 60, 250, 15, 55, 200),
        row(kDay1 + 24 * kHour + 30 * 60, 80, 2),  // the total was reset: 2 mm since
        row(kDay1 + 34 * kHour, 120, 9),
    });
    ArchiveReader reader(archive.path);
    const auto days = reader.dailySummaries(kDay1, kDay1 + 48 * kHour);
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].day, QDate(2024, 6, 1));
    EXPECT_EQ(days[0].tempHigh->value, 250);
    EXPECT_EQ(days[0].tempHigh->minute, kDay1 + 14 * kHour);  // the first time it was reached
    EXPECT_EQ(days[0].tempLow->value, 50);
    EXPECT_EQ(days[0].tempLow->minute, kDay1 + 6 * kHour);
    EXPECT_DOUBLE_EQ(*days[0].tempMean, 162.5);
    EXPECT_EQ(*days[0].rain, 5);
    EXPECT_EQ(days[0].gust->speed.value, 55);
    EXPECT_EQ(days[0].gust->direction, 200);
    EXPECT_EQ(days[0].minutes, 4);
    EXPECT_EQ(*days[1].rain, 9);
    EXPECT_FALSE(days[1].gust.has_value());

    const PeriodRecords records = reader.records(kDay1, kDay1 + 48 * kHour);
    EXPECT_EQ(records.tempHigh->value, 250);
    EXPECT_EQ(records.tempLow->minute, kDay1 + 6 * kHour);
    EXPECT_EQ(records.gust->speed.minute, kDay1 + 24 * kHour - 60);
    EXPECT_EQ(records.wettestDay->day, QDate(2024, 6, 2));
    EXPECT_EQ(*records.wettestDay->rain, 9);
}

// A minute put in between two others (an import of older data) moves the rain of the next rise.
TEST(ArchiveQueries, RainOfAMinuteInsertedBetweenTwoOthers) {
    TempArchive archive;
    archive.insert({row(kDay1, 100, 10), row(kDay1 + 2 * kHour, 100, 15)});
    archive.insert({row(kDay1 + kHour, 100, 12)});
    ArchiveReader reader(archive.path);
    const auto hours = reader.rainPerBucket(kDay1, kDay1 + 3 * kHour, 3600);
    ASSERT_EQ(hours.size(), 3u);
    EXPECT_EQ(hours[0].second, 0);
    EXPECT_EQ(hours[1].second, 2);
    EXPECT_EQ(hours[2].second, 3);
}

TEST(ArchiveSchema, FirstVersionIsMigratedWithItsRows) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/old.sqlite";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "v1");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE schema_version (version INTEGER)"));
        ASSERT_TRUE(q.exec("INSERT INTO schema_version VALUES (1)"));
        ASSERT_TRUE(q.exec(
            "CREATE TABLE minutes (minute INTEGER PRIMARY KEY, groups INTEGER NOT NULL, "
            "indoor_temp INTEGER, outdoor_temp INTEGER, indoor_hum INTEGER, outdoor_hum INTEGER, "
            "indoor_dew INTEGER, outdoor_dew INTEGER, pressure_local INTEGER, pressure_sea "
            "INTEGER, gust_speed INTEGER, gust_dir INTEGER, avg_speed INTEGER, avg_dir INTEGER, "
            "minute_gust INTEGER, windchill INTEGER, rain_rate INTEGER, rain_total INTEGER)"));
        ASSERT_TRUE(
            q.exec("INSERT INTO minutes (minute, groups, outdoor_temp, minute_gust) "
                   "VALUES (1717200000, 2, 123, 45)"));
        db.close();
    }
    QSqlDatabase::removeDatabase("v1");

    ArchiveReader reader(path);
    ASSERT_TRUE(reader.isOpen()) << reader.error().toStdString();
    std::vector<MinuteRow> rows;
    reader.forEachMinute(0, kDay1 * 2, [&](const MinuteRow& r) { rows.push_back(r); });
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][Quantity::OutdoorTemp], 123);
    EXPECT_EQ(rows[0][Quantity::MinuteGust], 45);
    EXPECT_EQ(rows[0].utcOffset, 0);
    EXPECT_FALSE(rows[0][Quantity::MinuteGustDir].has_value());
    EXPECT_EQ(reader.records(0, kDay1 * 2).tempHigh->value, 123);  // the hours were built from it
    QString error;
    ASSERT_TRUE(openArchive(path, "check", &error));
    {
        QSqlDatabase db = QSqlDatabase::database("check");
        EXPECT_EQ(archiveVersion(db), kArchiveVersion);
    }
    closeArchive("check");
}

// A range that cuts hours counts only the rises of its own minutes: the hours at its ends hold
// rain from before and after it.
TEST(ArchiveQueries, RainOfARangeThatCutsHours) {
    TempArchive archive;
    archive.insert({row(kDay1 - 50 * 60, 100, 4), row(kDay1 - 40 * 60, 100, 10),
                    row(kDay1 - 60, 100, 10), row(kDay1, 100, 10), row(kDay1 + 30 * 60, 100, 11),
                    row(kDay1 + 90 * 60, 100, 13), row(kDay1 + 2 * kHour + 60, 100, 20)});
    ArchiveReader reader(archive.path);
    const auto days = reader.dailySummaries(kDay1 - 60, kDay1 + 2 * kHour + 60);
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].rain, 0);
    EXPECT_EQ(days[1].rain, 3);  // 1 mm in the first hour, 2 mm in the whole second one
}

namespace {
// The day table as the hour table says it should be: per local day of each hour the lows' MIN,
// the highs' and gusts' MAX, everything else summed, and the day's first and last hour.
std::vector<QStringList> dayRows(QSqlDatabase& db, bool fromHours) {
    QSqlQuery columns(db);
    columns.exec("PRAGMA table_info(days)");
    QStringList select;
    while (columns.next()) {
        const QString c = columns.value(1).toString();
        if (!fromHours)
            select << c;
        else if (c == "day")
            select << "(hour + utc_offset) / 86400 AS d";
        else if (c == "first_hour" || c == "last_hour")
            select << (c == "first_hour" ? "MIN(hour)" : "MAX(hour)");
        else if (c.startsWith("lo_"))
            select << "MIN(" + c + ")";
        else if (c.startsWith("hi_") || c == "gust")
            select << "MAX(" + c + ")";
        else
            select << "SUM(" + c + ")";
    }
    QSqlQuery q(db);
    EXPECT_TRUE(q.exec(fromHours
                           ? "SELECT " + select.join(", ") + " FROM hours GROUP BY d ORDER BY d"
                           : "SELECT " + select.join(", ") + " FROM days ORDER BY day"));
    std::vector<QStringList> rows;
    while (q.next()) {
        QStringList r;
        for (int i = 0; i < select.size(); ++i)
            r << (q.isNull(i) ? "NULL" : q.value(i).toString());
        rows.push_back(r);
    }
    return rows;
}
}  // namespace

// The day table beside the hours: kept with every minute written (across a change of the local
// offset, a reset of the rain total and a minute put in between), and built by the migration
// from the hours of an older file, the same both ways.
TEST(ArchiveSchema, DayTableFollowsTheHoursLiveAndAfterTheMigration) {
    TempArchive archive;
    std::vector<MinuteRow> rows;
    for (int m = 0; m < 4 * 24 * 60; m += 7) {
        MinuteRow r = row(kDay1 + m * 60, (m * 37) % 400 - 100, m < 3000 ? 100 + m / 90 : m / 200,
                          m % 11 ? std::optional<int>((m * 13) % 160) : std::nullopt, m % 360);
        r.utcOffset = m < 2 * 24 * 60 + 60 ? 7200 : 3600;  // the clocks go back an hour
        r[Quantity::OutdoorHum] = 40 + m % 50;
        rows.push_back(r);
    }
    archive.insert(rows);
    MinuteRow between = row(kDay1 + 24 * kHour + 3 * 60, 500, 170);  // written later
    between.utcOffset = 7200;
    archive.insert({between});

    QString error;
    ASSERT_TRUE(openArchive(archive.path, "days", &error)) << error.toStdString();
    {
        QSqlDatabase db = QSqlDatabase::database("days");
        const auto expected = dayRows(db, true);
        EXPECT_EQ(expected.size(), 5u);  // four UTC days are five local ones
        EXPECT_EQ(dayRows(db, false), expected);

        // An archive of the version before: the migration builds the days from its hours.
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("DROP TABLE days"));
        ASSERT_TRUE(q.exec("UPDATE schema_version SET version = 3"));
        closeArchive("days");
        ASSERT_TRUE(openArchive(archive.path, "days", &error)) << error.toStdString();
        db = QSqlDatabase::database("days");
        EXPECT_EQ(archiveVersion(db), kArchiveVersion);
        EXPECT_EQ(dayRows(db, false), expected);
    }
    closeArchive("days");

    // What the days give equals what the hours give: the wettest day of all and its rain.
    ArchiveReader reader(archive.path);
    const PeriodRecords ever = reader.records(0, std::int64_t(1) << 40);
    const auto hourly = reader.rainPerBucket(0, std::int64_t(1) << 40, 3600);
    std::map<QDate, int> perDay;
    for (const auto& [localStart, mm] : hourly)
        perDay[QDate(1970, 1, 1).addDays(localStart / 86400)] += mm;
    const auto wettest = std::max_element(perDay.begin(), perDay.end(),
                                          [](auto& a, auto& b) { return a.second < b.second; });
    ASSERT_TRUE(ever.wettestDay.has_value());
    EXPECT_EQ(ever.wettestDay->day, wettest->first);
    EXPECT_EQ(*ever.wettestDay->rain, wettest->second);
    EXPECT_EQ(ever.tempHigh->value, 500);
}

// The Verlauf readout: the rain of the minute and of its hour, not the console's total.
TEST(ArchiveQueries, RainAroundAMinute) {
    TempArchive archive;
    archive.insert({row(kDay1 + kHour, 100, 500), row(kDay1 + kHour + 60, 100, 502),
                    row(kDay1 + kHour + 120, 100, 503), row(kDay1 + kHour + 180, 100, 1),
                    row(kDay1 + 3 * kHour, 100, 7)});
    ArchiveReader reader(archive.path);
    const auto at = [&](std::int64_t minute) {
        return reader.rainAround(*reader.minuteAt(minute));
    };
    EXPECT_EQ(at(kDay1 + kHour + 120).minute, 1);
    EXPECT_EQ(at(kDay1 + kHour + 120).hour, 4);             // 2 + 1 + 1 after the reset
    EXPECT_EQ(at(kDay1 + kHour + 180).minute, 1);           // a reset counts its new value
    EXPECT_EQ(at(kDay1 + kHour).minute, std::nullopt);      // no row before it
    EXPECT_EQ(at(kDay1 + 3 * kHour).minute, std::nullopt);  // the row before is too old
}

TEST(ArchiveQueries, KeptStatementsHoldNoReadAndRunNested) {
    TempArchive archive;
    std::vector<MinuteRow> rows;
    for (int m = 0; m < 120; ++m)
        rows.push_back(row(kDay1 + m * 60, m, m));
    archive.insert(rows);

    ArchiveReader reader(archive.path);
    ASSERT_EQ(reader.reducedSeries(Quantity::OutdoorTemp, kDay1, kDay1 + 7200, 500).size(), 120u);
    ASSERT_TRUE(reader.records(kDay1, kDay1 + 7200).tempHigh);
    // The writer's checkpoint empties the log only when no reader holds a read open.
    archive.insert({row(kDay1 + 7200, 1, 1)});
    QString error;
    ASSERT_TRUE(openArchive(archive.path, "checkpoint", &error)) << error.toStdString();
    {
        QSqlQuery checkpoint(QSqlDatabase::database("checkpoint"));
        ASSERT_TRUE(checkpoint.exec("PRAGMA wal_checkpoint(TRUNCATE)") && checkpoint.next());
        EXPECT_EQ(checkpoint.value(0).toInt(), 0) << "a kept statement still reads";
    }
    closeArchive("checkpoint");

    // The same statement used again while it runs gets one of its own.
    ASSERT_TRUE(openArchiveForReading(archive.path, "nested", &error)) << error.toStdString();
    {
        PreparedStatements statements("nested");
        const QString sql = "SELECT minute FROM minutes ORDER BY minute";
        const PreparedStatements::Use outer = statements.use(sql);
        ASSERT_TRUE(outer && outer->exec() && outer->next());
        int inner = 0;
        {
            const PreparedStatements::Use again = statements.use(sql);
            ASSERT_TRUE(again && again->exec());
            while (again->next())
                ++inner;
        }
        int rest = 1;
        while (outer->next())
            ++rest;
        EXPECT_EQ(inner, 121);
        EXPECT_EQ(rest, 121);
    }
    closeArchive("nested");
}
