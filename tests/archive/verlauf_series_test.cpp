// The "Verlauf" charts' data: a range that follows now and takes minute after minute reads the
// same points as the same range read whole (buckets of minutes and of hours, across bucket ends);
// lines break at gaps; the time axis' ticks lie on whole hours and month starts; "Vor" stops at
// now, an end before the start is refused, and exports are named after the range.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimeZone>
#include <ctime>

#include "archive/archive_schema.h"
#include "archive/verlauf_series.h"
#include "archive/verlauf_ticks.h"

namespace {
// 1 June 2026 01:30 UTC: the first minutes to come cross the end of a two-hour bucket.
const QDateTime kNow(QDate(2026, 6, 1), QTime(1, 30), QTimeZone::utc());

MinuteRow minute(std::int64_t at) {
    MinuteRow r;
    r.minute = at;
    r.utcOffset = 7200;
    r.groups = 0x1F;
    const std::int64_t i = at / 60;
    r[Quantity::OutdoorTemp] = int(i * 37 % 300) - 50;
    r[Quantity::OutdoorHum] = int(i * 13 % 70) + 20;
    r[Quantity::MinuteGust] = int(i * 7919 % 150);
    r[Quantity::MinuteGustDir] = int(i * 31 % 360);
    r[Quantity::RainTotal] = int(i / 45 % 1000);
    if (i % 500 < 40)  // a spell without the outdoor sensor
        r[Quantity::OutdoorTemp].reset();
    return r;
}

// Local time in Berlin while it lives.
struct BerlinTime {
    QByteArray old = qgetenv("TZ");
    bool had = qEnvironmentVariableIsSet("TZ");
    BerlinTime() {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    ~BerlinTime() {
        if (had)
            qputenv("TZ", old);
        else
            qunsetenv("TZ");
        tzset();
    }
};
}  // namespace

TEST(VerlaufSeries, FollowingMinuteByMinuteReadsWhatAWholeReadGives) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/wetterpult.sqlite";
    QString error;
    ASSERT_TRUE(openArchive(path, "live", &error)) << error.toStdString();
    {
        QSqlDatabase db = QSqlDatabase::database("live");
        MinuteInsert insert(db);
        QSqlError failure;
        const std::int64_t now = kNow.toSecsSinceEpoch();
        db.transaction();
        for (std::int64_t t = now - 8 * 86400; t <= now; t += 60)
            ASSERT_TRUE(insert.insert(minute(t), &failure));
        db.commit();

        const std::vector<Quantity> quantities = {Quantity::OutdoorTemp, Quantity::OutdoorHum,
                                                  Quantity::MinuteGust, Quantity::MinuteGustDir};
        ArchiveReader reader(path);
        for (RangeKind kind : {RangeKind::Day, RangeKind::Week}) {
            VerlaufSeries following;
            following.load(reader, VerlaufRange::endingAt(kind, kNow), quantities, 300);
            EXPECT_EQ(following.bucket, kind == RangeKind::Day ? 600 : 7200);
            for (int k = 1; k <= 45; ++k) {
                const std::int64_t t = now + k * 60;
                ASSERT_TRUE(insert.insert(minute(t), &failure));
                const VerlaufRange next = VerlaufRange::endingAt(
                    kind, QDateTime::fromSecsSinceEpoch(t, QTimeZone::utc()));
                ASSERT_TRUE(following.advance(reader, next));
                VerlaufSeries whole;
                whole.load(reader, next, quantities, 300);
                for (Quantity q : quantities) {
                    const auto& a = following[q];
                    const auto& b = whole[q];
                    ASSERT_EQ(a.size(), b.size()) << "kind " << int(kind) << " minute " << k;
                    for (std::size_t i = 0; i < a.size(); ++i)
                        ASSERT_TRUE(a[i].minute == b[i].minute && a[i].value == b[i].value)
                            << "kind " << int(kind) << " minute " << k << " point " << i;
                }
                ASSERT_EQ(following.rain, whole.rain);
            }
        }
    }
    closeArchive("live");
}

TEST(VerlaufSeries, LinesBreakWhereTheDataStops) {
    const std::vector<SeriesPoint> points = {{0, 1},   {60, 2},  {120, 3},
                                             {600, 4}, {660, 5}, {2000, 6}};
    const auto stretches = splitAtGaps(points, 180);
    ASSERT_EQ(stretches.size(), 3u);
    EXPECT_EQ(stretches[0].end, 3u);
    EXPECT_EQ(stretches[1].begin, 3u);
    EXPECT_EQ(stretches[1].end, 5u);
    EXPECT_EQ(stretches[2].begin, 5u);
    EXPECT_TRUE(splitAtGaps({}, 180).empty());
}

TEST(VerlaufTicks, OnWholeHoursMidnightsAndMonthStarts) {
    BerlinTime berlin;
    const std::int64_t from = QDateTime(QDate(2026, 3, 28), QTime(17, 41)).toSecsSinceEpoch();
    // A day across the change to summer time: every tick a whole local hour, within the range.
    const auto day = timeTicks(from, from + 86400, 10);
    ASSERT_GE(day.size(), 4u);
    ASSERT_LE(day.size(), 10u);
    for (const TimeTick& tick : day) {
        const QDateTime at = QDateTime::fromSecsSinceEpoch(tick.at);
        EXPECT_EQ(at.time().minute(), 0) << tick.label.toStdString();
        EXPECT_GE(tick.at, from);
        EXPECT_EQ(tick.label, at.time().hour() == 0 ? at.toString("dd.MM.") : at.toString("HH:mm"));
    }
    // A year: the firsts of months.
    const auto year = timeTicks(from, from + 365 * 86400, 12);
    ASSERT_GE(year.size(), 4u);
    for (const TimeTick& tick : year)
        EXPECT_EQ(QDateTime::fromSecsSinceEpoch(tick.at).time(), QTime(0, 0));
    EXPECT_EQ(year.front().label, "01.04.26");
}

TEST(VerlaufRange, ForwardStopsAtNowEndBeforeStartRefusedFileNamedAfterTheRange) {
    const QDateTime now(QDate(2026, 11, 20), QTime(14, 7, 30));
    const VerlaufRange week = VerlaufRange::endingAt(RangeKind::Week, now);
    EXPECT_EQ(week.shifted(+1, now).to, week.to);
    const VerlaufRange earlier = week.shifted(-1, now).shifted(-1, now);
    EXPECT_EQ(earlier.shifted(+1, now).to, week.to - 7 * 86400);
    EXPECT_EQ(earlier.shifted(+1, now).shifted(+1, now).shifted(+1, now).to, week.to);
    const VerlaufRange days = VerlaufRange::days(QDate(2026, 11, 10), QDate(2026, 11, 19));
    EXPECT_EQ(days.shifted(+1, now).to, week.to);
    EXPECT_EQ(days.shifted(+1, now).length(), days.length());

    EXPECT_FALSE(VerlaufRange::daysProblem(QDate(2026, 11, 1), QDate(2026, 11, 1)));
    const auto problem = VerlaufRange::daysProblem(QDate(2026, 11, 2), QDate(2026, 11, 1));
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->contains("01.11.2026")) << problem->toStdString();

    EXPECT_EQ(VerlaufRange::days(QDate(2026, 11, 1), QDate(2026, 11, 30)).fileName("csv"),
              "wetter-2026-11.csv");
    EXPECT_EQ(VerlaufRange::days(QDate(2026, 11, 5), QDate(2026, 11, 5)).fileName("png"),
              "wetter-2026-11-05.png");
    EXPECT_EQ(VerlaufRange::days(QDate(2026, 10, 30), QDate(2026, 11, 2)).fileName("csv"),
              "wetter-2026-10-30_2026-11-02.csv");
}
