#include "outputs/read_page_print.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "base/notifier.h"

namespace {
QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct ReadPagePrintJob : ::testing::Test {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped{messages};
    ReadPagePrinter printer;
    QString page = dir.filePath("Wetter.txt");
    QString copy = dir.filePath("WX-Aktuell am 14.06. 07-05.txt");

    void SetUp() override {
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Wetter\r\n");
    }
};
}  // namespace

TEST(ReadPagePrint, CopyIsNamedAfterTheMomentInTheReadFolder) {
    Settings s;
    s.WinGTRead = "/srv/wingt/read/";
    EXPECT_EQ(ReadPagePrinter::copyPath(s, QDateTime(QDate(2001, 6, 14), QTime(7, 5, 59)),
                                        Formats::german()),
              "/srv/wingt/read/WX-Aktuell am 14.06. 07-05.txt");
}

TEST_F(ReadPagePrintJob, TheCopyGoesToThePrintCommand) {
    const QString printed = dir.filePath("printed.txt");
    printer.setCommand("sh", {"-c", "cp \"$1\" \"$0\"", printed});
    QSignalSpy done(&printer, &ReadPagePrinter::finished);
    ASSERT_TRUE(printer.print(page, copy));
    ASSERT_TRUE(done.wait(10000));
    EXPECT_TRUE(done.at(0).at(0).toBool());
    EXPECT_EQ(contents(copy), "Wetter\r\n");
    EXPECT_EQ(contents(printed), "Wetter\r\n");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ReadPagePrintJob, EveryFailureIsTold) {
    QSignalSpy done(&printer, &ReadPagePrinter::finished);
    printer.setCommand("sh", {"-c", "echo 'lp: Kein Standarddrucker' ; exit 1"});
    ASSERT_TRUE(printer.print(page, copy));
    ASSERT_TRUE(done.wait(10000));
    EXPECT_FALSE(done.at(0).at(0).toBool());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.texts()[0].endsWith("lp: Kein Standarddrucker"));

    printer.setCommand(dir.filePath("kein-lp"));
    ASSERT_TRUE(printer.print(page, copy));
    ASSERT_TRUE(done.wait(10000));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_TRUE(messages.texts()[1].contains("kann nicht gestartet werden"));

    EXPECT_FALSE(printer.print(dir.filePath("fehlt.txt"), copy));
    EXPECT_EQ(messages.messages.size(), 3u);
    EXPECT_FALSE(printer.print(page, dir.filePath("kein/ordner/kopie.txt")));
    EXPECT_EQ(messages.messages.size(), 4u);
}
