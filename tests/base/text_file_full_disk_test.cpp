#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/text_file.h"
#include "support/file_size_limit.h"

TEST(TextFile, ReplaceThatRunsOutOfSpaceKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Wetter.txt");
    ASSERT_TRUE(textfile::replaceWhole(path, "alt\r\n"));
    bool ok = true;
    QString error;
    {
        ScopedFileSizeLimit limit(100);
        ASSERT_TRUE(limit.active());
        ok = textfile::replaceWhole(path, QByteArray(5000, 'x'), &error);
    }
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "alt\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Wetter.txt"});
}
