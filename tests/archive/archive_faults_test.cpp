// The archive when the disk or the file says no: an import onto a full disk counts only what was
// committed, shut-down gives waiting rows a last attempt and tells what is left, an archive on a
// read-only medium can still be read; and log lines cut short or dated outside the archive's years
// are skipped.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "archive/archive_writer.h"
#include "archive/log_import.h"
#include "archive/log_line.h"
#include "base/formats.h"
#include "base/notifier.h"
#include "base/text_file.h"
#include "outputs/weather_log.h"
#include "station/test_groups.h"
#include "support/wait.h"

namespace {
MinuteRow rowAt(std::int64_t minute) {
    MinuteRow r;
    r.minute = minute;
    r.groups = 0x02;
    r[Quantity::OutdoorTemp] = 150;
    return r;
}

std::int64_t rowCount(const QString& path) {
    std::int64_t n = 0;
    ArchiveReader reader(path);
    reader.forEachMinute(0, std::int64_t(1) << 40, [&](const MinuteRow&) { ++n; });
    return n;
}

// A small file system of its own, mounted for the test (root only) and taken away after it.
struct SmallDisk {
    QTemporaryDir dir;
    bool mounted = false;
    explicit SmallDisk(const char* size) {
        const QByteArray options = QByteArray("size=") + size;
        mounted = geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(dir.path()).constData(),
                                            "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    bool makeReadOnly() {
        return ::mount(nullptr, QFile::encodeName(dir.path()).constData(), nullptr,
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    QString path(const QString& name) const { return dir.path() + "/" + name; }
};

// Day files of whole days, every line the program's own.
QStringList writeDays(const QString& folder, int days) {
    const QString values =
        WeatherLogLine(testing_groups::sampleStation(), QDateTime(QDate(2020, 1, 1), QTime(0, 0)),
                       Formats::german())
            .mid(21);
    QStringList files;
    for (int d = 0; d < days; ++d) {
        const QDate day = QDate(2020, 1, 1).addDays(d);
        QStringList lines{WeatherLogHeader()};
        for (int m = 0; m < 1440; ++m)
            lines << Formats::german().shortDate(day) +
                         QTime(0, 0).addSecs(60 * m).toString(" HH:mm:ss").rightJustified(11) +
                         values;
        files << folder + "/t" + Formats::german().shortDate(day) + ".txt";
        textfile::replaceWhole(files.last(), textfile::crlfLines(lines));
    }
    return files;
}
}  // namespace

TEST(ArchiveFaults, ImportOntoAFullDiskCountsOnlyWhatWasCommitted) {
    SmallDisk disk("256k");
    if (!disk.mounted)
        GTEST_SKIP() << "needs root to mount a small file system";
    QTemporaryDir logs;
    const QStringList files = writeDays(logs.path(), 6);
    const QString archive = disk.path("wetterpult.sqlite");

    LogImportCounts counts;
    QString error;
    EXPECT_FALSE(LogImport::run(archive, files, &counts, &error));
    EXPECT_EQ(error, "Das Archiv " + archive + " kann nicht geschrieben werden: Platte voll");
    EXPECT_LT(counts.taken, 6 * 1440);
    EXPECT_EQ(counts.taken, rowCount(archive));
}

TEST(ArchiveFaults, SqliteReasonsWithoutTheirCodeInGerman) {
    // A failed COMMIT reaches the program with SQLite's text only.
    EXPECT_EQ(archiveReason(QSqlError("Unable to commit transaction", "database or disk is full",
                                      QSqlError::TransactionError)),
              "Platte voll");
    EXPECT_EQ(archiveReason(QSqlError("Unable to begin transaction", "database is locked",
                                      QSqlError::TransactionError)),
              "Datenbank belegt");
}

TEST(ArchiveFaults, ShutDownGivesWaitingRowsALastAttemptAndTellsWhatIsLeft) {
    RecordingNotifier notifier;
    ScopedNotifier notifierScope(notifier);
    QTemporaryDir dir;
    const QString path = dir.path() + "/wetterpult.sqlite";
    QString error;
    ASSERT_TRUE(openArchive(path, "holder", &error));
    {
        QSqlDatabase holder = QSqlDatabase::database("holder");
        QSqlQuery lock(holder);
        ASSERT_TRUE(lock.exec("BEGIN IMMEDIATE"));
        {
            ArchiveWriter writer(path);  // the usual 30 s between attempts
            writer.submit(rowAt(60));
            writer.submit(rowAt(120));
            ASSERT_TRUE(waitUntil([&] { return !notifier.messages.empty(); }, 20000));
            writer.submit(rowAt(180));
            // Released while the next attempt is still far off: the shut-down writes them now.
            ASSERT_TRUE(lock.exec("ROLLBACK"));
            EXPECT_EQ(writer.finish(), 0u);
        }
        EXPECT_EQ(notifier.messages.size(), 1u);

        ASSERT_TRUE(lock.exec("BEGIN IMMEDIATE"));
        {
            ArchiveWriter writer(path);
            writer.submit(rowAt(240));
            EXPECT_EQ(writer.finish(), 1u);
        }
        ASSERT_TRUE(lock.exec("ROLLBACK"));
    }
    closeArchive("holder");
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_EQ(notifier.messages[1].text,
              "1 Minute konnte nicht ins Archiv " + path + " geschrieben werden: Datenbank belegt");
    EXPECT_EQ(rowCount(path), 3);
}

TEST(ArchiveFaults, AnArchiveOnAReadOnlyMediumIsRead) {
    SmallDisk disk("4m");
    if (!disk.mounted)
        GTEST_SKIP() << "needs root to mount a small file system";
    const QString path = disk.path("wetterpult.sqlite");
    {
        ArchiveWriter writer(path);
        for (int m = 1; m <= 5; ++m)
            writer.submit(rowAt(60 * m));
        ASSERT_TRUE(writer.flush());
    }
    ASSERT_TRUE(disk.makeReadOnly());
    ArchiveReader reader(path);
    ASSERT_TRUE(reader.isOpen()) << reader.error().toStdString();
    EXPECT_EQ(rowCount(path), 5);
}

TEST(ArchiveFaults, LinesCutShortOrDatedOutsideTheArchiveAreSkipped) {
    StationData station = testing_groups::sampleStation();
    WeatherRecord& record = station.Record;
    record.Wind.GustDir = 247;
    record.Windchill.Current = 99;  // beyond the console: a blank last field an editor trims
    const QString whole =
        WeatherLogLine(station, QDateTime(QDate(2020, 6, 1), QTime(12, 0)), Formats::german())
            .trimmed();
    const LogLineResult read = readLogLine(whole);
    ASSERT_EQ(read.kind, LogLineKind::Data);
    EXPECT_EQ(read.row[Quantity::GustDir], 247);
    EXPECT_FALSE(read.row[Quantity::Windchill].has_value());

    EXPECT_EQ(readLogLine(whole.chopped(1)).kind, LogLineKind::Damaged);  // 247 cut to 24
    EXPECT_EQ(readLogLine("31.12.1969" + whole.mid(10)).kind, LogLineKind::Damaged);
    EXPECT_EQ(readLogLine("01.01.2106" + whole.mid(10)).kind, LogLineKind::Damaged);
    EXPECT_EQ(readLogLine("31.12.2105" + whole.mid(10)).kind, LogLineKind::Data);
}
