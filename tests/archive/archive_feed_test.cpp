// The minute rows the whole program writes from station groups under a fixed clock: the last
// values of each minute, the minute's highest gust, only the groups that came, and no row for a
// minute without data.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "archive/archive_queries.h"
#include "base/app_clock.h"
#include "program/station_program.h"
#include "station/group_table.h"
#include "station/test_groups.h"

using testing_groups::group;

namespace {
const QDateTime kNoon(QDate(2026, 6, 24), QTime(12, 0, 5));

void sendRound(StationProgram& program, const WeatherRecord& record) {
    for (std::uint8_t g : kGroupBytes)
        program.input.road().feed(group(g, record));
}
}  // namespace

TEST(ArchiveFeed, OneRowPerMinuteWithDataAndGapsStayGaps) {
    FixedClock clock(kNoon);
    ScopedClock clockScope(clock);
    QTemporaryDir dir;
    StationProgram program;
    program.lifecycle.startUp(dir.path() + "/");

    WeatherRecord r = testing_groups::sampleRecord();
    r.OutdoorTemp.Current = 215;
    r.Wind.GustSpeed = 80;
    r.Wind.GustDir = 270;
    sendRound(program, r);
    clock.advanceSeconds(30);  // 12:00:35, the same minute: later values, a weaker gust
    r.OutdoorTemp.Current = 212;
    r.Wind.GustSpeed = 40;
    r.Wind.GustDir = 90;
    sendRound(program, r);
    clock.advanceSeconds(30);  // 12:01:05: only the temperatures come
    program.input.road().feed(group(0x9F, r));
    clock.advanceSeconds(4 * 60);  // 12:05:05, after three minutes without data
    sendRound(program, r);
    program.archive.finish();

    std::vector<MinuteRow> rows;
    ArchiveReader reader(program.settings.archivePath());
    reader.forEachMinute(0, std::int64_t(1) << 40,
                         [&](const MinuteRow& row) { rows.push_back(row); });
    ASSERT_EQ(rows.size(), 3u);
    const std::int64_t noon = minuteOf(kNoon);
    EXPECT_EQ(rows[0].minute, noon);
    EXPECT_EQ(rows[0].utcOffset, kNoon.offsetFromUtc());
    EXPECT_EQ(rows[0].groups, 0x1F);
    EXPECT_EQ(rows[0][Quantity::OutdoorTemp], 212);
    EXPECT_EQ(rows[0][Quantity::GustSpeed], 40);
    EXPECT_EQ(rows[0][Quantity::MinuteGust], 80);
    EXPECT_EQ(rows[0][Quantity::MinuteGustDir], 270);
    EXPECT_EQ(rows[0][Quantity::RainTotal], r.Rain.Total);

    EXPECT_EQ(rows[1].minute, noon + 60);
    EXPECT_EQ(rows[1].groups, 0x02);
    EXPECT_EQ(rows[1][Quantity::OutdoorTemp], 212);
    EXPECT_FALSE(rows[1][Quantity::OutdoorHum].has_value());  // not repeated from the minute before
    EXPECT_FALSE(rows[1][Quantity::GustSpeed].has_value());

    EXPECT_EQ(rows[2].minute, noon + 5 * 60);
}

TEST(ArchiveFeed, ArchivAktivOffWritesNothing) {
    FixedClock clock(kNoon);
    ScopedClock clockScope(clock);
    QTemporaryDir dir;
    StationProgram program;
    program.lifecycle.startUp(dir.path() + "/");
    program.settings.ArchivAktiv = false;
    sendRound(program, testing_groups::sampleRecord());
    program.archive.finish();
    EXPECT_EQ(program.archive.writer(), nullptr);
    EXPECT_FALSE(QFileInfo::exists(program.settings.archivePath()));
}
