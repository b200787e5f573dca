#include "base/text_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/file_bytes.h"

TEST(TextFile, WritesWindows1252WithCrLf) {
    const QByteArray bytes = textfile::crlfLines({QString::fromUtf8("Empfänger: 21,5 °C"), ""});
    EXPECT_EQ(bytes, QByteArray("Empf\xE4nger: 21,5 \xB0"
                                "C\r\n\r\n"));
    EXPECT_EQ(textfile::fromWindows1252("\xE4\x80"), QString::fromUtf8("ä€"));
    // A character that Windows-1252 cannot hold becomes "?" and never a control byte.
    EXPECT_EQ(textfile::toWindows1252(QString::fromUtf8("a✓b")), QByteArray("a?b"));
}

TEST(TextFile, ReplaceIsAllOrNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Wetter.txt");
    ASSERT_TRUE(textfile::replaceWhole(path, "alt\r\n"));
    ASSERT_TRUE(textfile::replaceWhole(path, "neu\r\n"));
    EXPECT_EQ(readAll(path), "neu\r\n");
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Wetter.txt"});

    QString error;
    EXPECT_FALSE(textfile::replaceWhole(dir.filePath("fehlt/Wetter.txt"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(TextFile, AppendKeepsWhatIsThere) {
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    ASSERT_TRUE(textfile::append(path, "eins\r\n"));
    ASSERT_TRUE(textfile::append(path, "zwei\r\n"));
    EXPECT_EQ(readAll(path), "eins\r\nzwei\r\n");
    ASSERT_TRUE(textfile::makeFolder(dir.filePath("a/b/c")));
    EXPECT_TRUE(QDir(dir.filePath("a/b/c")).exists());
}
