#include "config/schedule_list.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "config/settings_file.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"

namespace {

struct Schedule {
    QTemporaryDir dir;
    Settings settings;
    FixedClock clock{QDateTime(QDate(2026, 12, 7), QTime(12, 0, 30))};
    ScopedClock scopedClock{clock};
    RecordingNotifier notifier;
    ScopedNotifier scopedNotifier{notifier};

    Schedule() { settings.setProgramFolder(dir.path()); }
    QString ini() const { return settingsFilePath(settings); }
    void write(const QByteArray& bytes) {
        QFile f(ini());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QString nextAt(int h, int m, int s, int ms = 0) {
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(h, m, s, ms)));
        return NextScheduleTime(settings, "Import");
    }
};

}  // namespace

TEST(ScheduleList, NoTimesMeansMidnightAndAnEmptyList) {
    Schedule s;
    EXPECT_EQ(NextScheduleTime(s.settings, "Import"), "00:00");
    EXPECT_EQ(ReadScheduleList(s.settings, "Read"), QStringList{});
    s.write("[ImportSchedule]\r\n");
    EXPECT_EQ(NextScheduleTime(s.settings, "Import"), "00:00");
    EXPECT_EQ(ReadScheduleList(s.settings, "Import"), QStringList{});
}

TEST(ScheduleList, NextTimeIsTheFirstOneLaterThanNow) {
    Schedule s;
    s.write("[importschedule]\r\nTime0=06:00\r\nTime1=12:00\r\nTime2=18:00\r\n");
    EXPECT_EQ(s.nextAt(12, 0, 30), "18:00");
    EXPECT_EQ(s.nextAt(18, 10, 0), "06:00");
    EXPECT_EQ(s.nextAt(5, 59, 59, 999), "06:00");
    EXPECT_EQ(s.nextAt(12, 0, 0, 0), "18:00");  // the minute that just fired is not due again
    EXPECT_EQ(s.nextAt(11, 59, 59, 999), "12:00");

    s.write("[ImportSchedule]\r\nTime0=07:30\r\n");
    EXPECT_EQ(s.nextAt(7, 30, 0, 1), "07:30");  // one time: the same again, tomorrow
}

TEST(ScheduleList, HandEditedTimesThatAreNoTimesAreSkipped) {
    Schedule s;
    s.write(
        "[ImportSchedule]\r\nTime0=25:00\r\nTime1=ab:cd\r\nTime2=7:00\r\nTime3=\r\n"
        "Time4=x14:15\r\nTime5=09:60\r\n");
    EXPECT_EQ(s.nextAt(12, 0, 0), "14:15");  // the last five characters are the time
    EXPECT_EQ(s.nextAt(15, 0, 0), "14:15");
    s.write("[ImportSchedule]\r\nTime0=morgen\r\n");
    EXPECT_EQ(s.nextAt(12, 0, 0), "00:00");
    // A list typed out of order still yields the soonest time, not a later one.
    s.write("[ImportSchedule]\r\nTime0=18:00\r\nTime1=06:00\r\n");
    EXPECT_EQ(s.nextAt(5, 0, 0), "06:00");
    EXPECT_EQ(s.nextAt(19, 0, 0), "06:00");
}

TEST(ScheduleList, ReadingFillsGapsWithNoon) {
    Schedule s;
    s.write("[ReadSchedule]\r\nTime0=06:00\r\nTime2=18:00\r\n");
    EXPECT_EQ(ReadScheduleList(s.settings, "Read"), (QStringList{"06:00", "12:00"}));
}

TEST(ScheduleList, WritingReplacesTheWholeSectionAndKeepsTheRest) {
    Schedule s;
    s.write(
        "; eigene Notiz\r\n[ImportSchedule]\r\nTime0=01:00\r\nTime1=02:00\r\nTime2=03:00\r\n"
        "\r\n[Alles]\r\nMyLocator=JN58TD\r\n");
    ASSERT_TRUE(WriteScheduleList(s.settings, {"06:00", "", "18:00"}, "Import"));
    EXPECT_EQ(readAll(s.ini()),
              "; eigene Notiz\r\n[Alles]\r\nMyLocator=JN58TD\r\n\r\n"
              "[ImportSchedule]\r\nTime0=06:00\r\nTime2=18:00\r\n");
    ASSERT_TRUE(WriteScheduleList(s.settings, {}, "Import"));
    EXPECT_EQ(readAll(s.ini()), "; eigene Notiz\r\n[Alles]\r\nMyLocator=JN58TD\r\n\r\n");
    EXPECT_TRUE(s.notifier.messages.empty());
}

TEST(ScheduleList, WritingIsAllOrNothing) {
    Schedule s;
    const QByteArray old = "[ReadSchedule]\r\nTime0=06:00\r\n";
    s.write(old);
    bool ok = true;
    {
        ScopedFileSizeLimit limit(old.size());
        ASSERT_TRUE(limit.active());
        ok = WriteScheduleList(s.settings, {"01:00", "02:00", "03:00", "04:00"}, "Read");
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(s.notifier.texts(), QStringList{cannotWriteMessage(s.ini())});
    EXPECT_EQ(readAll(s.ini()), old);

    s.notifier.messages.clear();
    QStringList tooMany;
    for (int i = 0; i < kMaxScheduleTimes + 1; ++i)
        tooMany << "12:00";
    EXPECT_FALSE(WriteScheduleList(s.settings, tooMany, "Read"));
    EXPECT_EQ(s.notifier.messages.size(), 1u);
    EXPECT_EQ(readAll(s.ini()), old);
}
