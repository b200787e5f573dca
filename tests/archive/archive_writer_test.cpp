// The writer while the archive cannot be written: one message with the reason, the rows kept in
// memory, and written once the file works again.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QTemporaryDir>

#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "archive/archive_writer.h"
#include "base/notifier.h"
#include "support/wait.h"

namespace {
MinuteRow rowAt(std::int64_t minute) {
    MinuteRow r;
    r.minute = minute;
    r.groups = 0x02;
    r[Quantity::OutdoorTemp] = 150;
    return r;
}
int rowCount(const QString& path) {
    int n = 0;
    ArchiveReader reader(path);
    reader.forEachMinute(0, std::int64_t(1) << 40, [&](const MinuteRow&) { ++n; });
    return n;
}
}  // namespace

// Another program holds the file's write lock (as root, a read-only file would still be written,
// so the lock stands for every refusal: the path through the writer is the same).
TEST(ArchiveWriter, RefusedFileOneMessageRowsKeptAndWrittenLater) {
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

        ArchiveWriter writer(path, 50);
        writer.submit(rowAt(60));
        writer.submit(rowAt(120));
        ASSERT_TRUE(waitUntil([&] { return !notifier.messages.empty(); }, 20000));
        writer.submit(rowAt(180));
        EXPECT_EQ(writer.waitingRows(), 3u);
        EXPECT_EQ(
            notifier.messages[0].text,
            QString("Das Archiv %1 kann nicht geschrieben werden: Datenbank belegt").arg(path));

        ASSERT_TRUE(lock.exec("ROLLBACK"));
        ASSERT_TRUE(waitUntil([&] { return writer.waitingRows() == 0; }, 20000));
        EXPECT_EQ(notifier.messages.size(), 1u);  // told once, however often it was tried
    }
    closeArchive("holder");
    EXPECT_EQ(rowCount(path), 3);
}

// Rows handed over faster than the disk takes them (a replay) all arrive: none gives way.
TEST(ArchiveWriter, FastHandOverLosesNoRow) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/wetterpult.sqlite";
    {
        ArchiveWriter writer(path);
        for (int m = 0; m < 2000; ++m)
            writer.submit(rowAt(60 * (m + 1)));
        ASSERT_TRUE(writer.flush());
    }
    EXPECT_EQ(rowCount(path), 2000);
}
