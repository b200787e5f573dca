// Backups and the check at start: a copy taken while the writer goes on writing is complete up to
// its moment and passes its check; old copies are thinned to 7 daily and 4 weekly ones; an archive
// with bytes overwritten is moved aside at start with a message naming the last good copy, and a
// new one takes the station's minutes; the care of a running program takes the day's copy and the
// reports on the first of a month.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include "archive/archive_backup.h"
#include "archive/archive_care.h"
#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "archive/archive_writer.h"
#include "base/app_clock.h"
#include "base/notifier.h"

namespace {
constexpr std::int64_t kStart = 1789999980;  // 2026-09-21 14:13 UTC

MinuteRow rowAt(std::int64_t minute) {
    MinuteRow r;
    r.minute = minute;
    r.groups = 0x02;
    r[Quantity::OutdoorTemp] = int(minute / 60 % 300);
    return r;
}
int rowCount(const QString& path) {
    int n = 0;
    ArchiveReader reader(path);
    reader.forEachMinute(0, std::int64_t(1) << 40, [&](const MinuteRow&) { ++n; });
    return n;
}
void fill(const QString& path, int rows) {
    ArchiveWriter writer(path);
    for (int i = 0; i < rows; ++i)
        writer.submit(rowAt(kStart + i * 60));
    ASSERT_TRUE(writer.flush());
}
}  // namespace

TEST(ArchiveBackup, CopyBesideARunningWriterIsCompleteAndChecked) {
    RecordingNotifier notifier;
    ScopedNotifier notifierScope(notifier);
    QTemporaryDir dir;
    const QString path = dir.path() + "/wetterpult.sqlite";
    fill(path, 3000);

    ArchiveWriter writer(path);
    std::atomic<bool> stop{false};
    std::atomic<int> handed{3000};
    std::thread station([&] {
        while (!stop)
            writer.submit(rowAt(kStart + handed++ * 60));
    });
    QString copy, error;
    const bool good = backupArchive(path, QDate(2026, 9, 21), &copy, &error);
    stop = true;
    station.join();
    ASSERT_TRUE(good) << error.toStdString();
    ASSERT_TRUE(writer.flush());

    EXPECT_EQ(copy, dir.path() + "/Sicherung/wetterpult-2026-09-21.sqlite");
    EXPECT_FALSE(QFile::exists(copy + ".neu"));
    // The copy holds the rows of one moment: at least those there before, in one piece.
    const int copied = rowCount(copy);
    EXPECT_GE(copied, 3000);
    EXPECT_LE(copied, handed.load());
    ArchiveReader reader(copy);
    const auto extent = reader.extent();
    ASSERT_TRUE(extent);
    EXPECT_EQ((extent->second - extent->first) / 60 + 1, copied);
    EXPECT_EQ(rowCount(path), handed.load());
    EXPECT_TRUE(notifier.messages.empty());
}

TEST(ArchiveBackup, SevenDailyAndFourWeeklyCopiesKept) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/wetterpult.sqlite";
    QDir().mkpath(backupFolder(path));
    const QDate today(2026, 12, 9);
    for (int d = 0; d < 60; ++d) {
        QFile f(backupFolder(path) + "/wetterpult-" + today.addDays(-d).toString(Qt::ISODate) +
                ".sqlite");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    pruneBackups(path);
    QStringList names;
    for (const QString& p : archiveBackups(path))
        names << QFileInfo(p).fileName();
    // Dec 3 to 9 daily; then the newest of the weeks before: Sunday Nov 29, 22, 15 and 8.
    EXPECT_EQ(names, QStringList({"wetterpult-2026-12-09.sqlite", "wetterpult-2026-12-08.sqlite",
                                  "wetterpult-2026-12-07.sqlite", "wetterpult-2026-12-06.sqlite",
                                  "wetterpult-2026-12-05.sqlite", "wetterpult-2026-12-04.sqlite",
                                  "wetterpult-2026-12-03.sqlite", "wetterpult-2026-11-29.sqlite",
                                  "wetterpult-2026-11-22.sqlite", "wetterpult-2026-11-15.sqlite",
                                  "wetterpult-2026-11-08.sqlite"}));
}

TEST(ArchiveBackup, DamagedArchiveAtStartMovedAsideAndANewOneBegun) {
    RecordingNotifier notifier;
    ScopedNotifier notifierScope(notifier);
    FixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(7, 30)));
    ScopedClock clockScope(clock);
    QTemporaryDir dir;
    Settings settings;
    settings.setProgramFolder(dir.path());
    const QString path = settings.archivePath();
    fill(path, 5000);
    QString copy, error;
    ASSERT_TRUE(backupArchive(path, QDate(2026, 12, 8), &copy, &error)) << error.toStdString();
    ArchiveCare care(settings, [] { return false; });
    care.checkAtStart();
    EXPECT_TRUE(notifier.messages.empty());  // a sound archive stays

    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.seek(file.size() / 2));
        ASSERT_EQ(file.write(QByteArray(4096, '\xA5')), 4096);
    }
    care.checkAtStart();
    ASSERT_EQ(notifier.messages.size(), 1u);
    const QString aside = path + ".defekt-20261209-073000";
    EXPECT_EQ(notifier.messages[0].text,
              QString("Das Archiv %1 ist beschädigt. Es wurde nach %2 verschoben, ein neues "
                      "Archiv ist begonnen. Die letzte gute Sicherung ist %3.")
                  .arg(path, aside, copy));
    EXPECT_TRUE(QFile::exists(aside));
    // The station's next minutes go into a new archive.
    fill(path, 10);
    EXPECT_EQ(rowCount(path), 10);
}

TEST(ArchiveBackup, CareTakesTheDaysCopyAndTheReportsOnTheFirst) {
    RecordingNotifier notifier;
    ScopedNotifier notifierScope(notifier);
    QTemporaryDir dir;
    Settings settings;
    settings.setProgramFolder(dir.path());
    settings.BerichtOrdner = "Berichte";
    fill(settings.archivePath(), 100);
    bool active = false;
    ArchiveCare care(settings, [&] { return active; });

    care.check(QDateTime(QDate(2026, 12, 1), QTime(0, 5)));
    care.waitForBackup();
    EXPECT_EQ(archiveBackups(settings.archivePath()),
              QStringList{dir.path() + "/Sicherung/wetterpult-2026-12-01.sqlite"});
    EXPECT_FALSE(QFile::exists(dir.path() + "/Berichte/Bericht-2026-11.txt"));  // not "Aktiv"

    active = true;
    care.check(QDateTime(QDate(2026, 12, 1), QTime(0, 15)));
    care.waitForBackup();
    EXPECT_TRUE(QFile::exists(dir.path() + "/Berichte/Bericht-2026-11.txt"));
    EXPECT_TRUE(QFile::exists(dir.path() + "/Berichte/Bericht-2025.txt"));
    EXPECT_EQ(archiveBackups(settings.archivePath()).size(), 1);
    EXPECT_TRUE(notifier.messages.empty());
}
