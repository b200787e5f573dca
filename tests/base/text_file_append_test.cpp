// Appends that fail half-way (the file size limit of the process stands in for a full disk) leave
// the file as it was before.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/text_file.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"

TEST(TextFileAppend, HalfWrittenAppendIsUndone) {
    QTemporaryDir dir;
    const QString log = dir.filePath("log.txt");
    const QByteArray first(100, 'a');
    ASSERT_TRUE(textfile::append(log, first));
    {
        ScopedFileSizeLimit limit(150);
        QString error;
        EXPECT_FALSE(textfile::append(log, QByteArray(100, 'b'), &error));
        EXPECT_FALSE(error.isEmpty());
        // A new file that cannot take its first bytes whole is not left behind.
        EXPECT_FALSE(textfile::append(dir.filePath("neu.txt"), QByteArray(200, 'c')));
        EXPECT_FALSE(textfile::appendExisting(log, QByteArray(100, 'd')));
    }
    EXPECT_EQ(readAll(log), first);
    EXPECT_FALSE(QFile::exists(dir.filePath("neu.txt")));
    // Without the limit the next append goes through.
    EXPECT_TRUE(textfile::appendExisting(log, "z"));
    EXPECT_EQ(readAll(log).size(), 101);
    EXPECT_FALSE(textfile::appendExisting(dir.filePath("fehlt.txt"), "z"));
    EXPECT_FALSE(QFile::exists(dir.filePath("fehlt.txt")));
}

TEST(TextFileAppend, CopyReplacingOntoItselfKeepsTheFile) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.txt");
    ASSERT_TRUE(textfile::replaceWhole(a, "inhalt\r\n"));
    EXPECT_TRUE(textfile::copyReplacing(a, dir.filePath("./a.txt")));
    EXPECT_EQ(readAll(a), "inhalt\r\n");
    EXPECT_TRUE(textfile::copyReplacing(a, dir.filePath("b.txt")));
    EXPECT_EQ(readAll(dir.filePath("b.txt")), "inhalt\r\n");
    textfile::WriteFailure failure = textfile::WriteFailure::None;
    EXPECT_FALSE(textfile::replaceWhole(dir.filePath("x/y.txt"), "z", nullptr, &failure));
    EXPECT_EQ(failure, textfile::WriteFailure::Create);
}
