#include "config/wingt_settings_model.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/notifier.h"
#include "config/settings_file.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"

namespace {

struct WinGT {
    QTemporaryDir dir;
    Settings settings;
    RecordingNotifier notifier;
    ScopedNotifier scopedNotifier{notifier};
    int updates = 0;
    WinGTSettingsModel model{
        settings,
        {[] { return QString("06:00"); }, [] { return QString("18:00"); }, [this] { ++updates; }}};

    WinGT() { settings.setProgramFolder(dir.path()); }
    QString ini() const { return settingsFilePath(settings); }
};

}  // namespace

TEST(WinGTDialog, TimesAreAddedSortedAndOkWritesBothListsAtOnce) {
    WinGT w;
    writeAll(w.ini(), "[ReadSchedule]\r\nTime0=18:00\r\nTime1=06:00\r\n");
    w.model.fill();
    EXPECT_EQ(w.model.read.times, QStringList({"06:00", "18:00"}));
    EXPECT_EQ(w.model.import.nextTime, "06:00");
    EXPECT_EQ(w.model.read.nextTime, "18:00");

    w.model.import.entry = "1657";
    EXPECT_EQ(w.model.addTime(w.model.import), "");
    EXPECT_EQ(w.model.import.entry, "");
    for (const QString bad : {"957", "2400", "1260", "16570"}) {
        w.model.import.entry = bad;
        EXPECT_EQ(w.model.addTime(w.model.import), WinGTSettingsModel::kTimeWarning);
        EXPECT_EQ(w.model.import.entry, "");
    }
    w.model.import.entry = "0800";
    w.model.addTime(w.model.import);
    w.model.import.entry = "0800";
    w.model.addTime(w.model.import);
    EXPECT_EQ(w.model.import.times, QStringList({"08:00", "08:00", "16:57"}));
    EXPECT_EQ(WinGTSettingsModel::removeTime(w.model.import, 1), 1);
    EXPECT_EQ(WinGTSettingsModel::removeTime(w.model.import, 1), -1);
    EXPECT_EQ(WinGTSettingsModel::removeTime(w.model.import, 5), -1);

    w.model.import.folder = "/srv/wingt/import";
    EXPECT_FALSE(w.model.take());
    EXPECT_EQ(readAll(w.ini()),
              "[ImportSchedule]\r\nTime0=08:00\r\n\r\n"
              "[ReadSchedule]\r\nTime0=06:00\r\nTime1=18:00\r\n");
    EXPECT_EQ(w.settings.WinGTImport, "/srv/wingt/import/");
    EXPECT_EQ(w.updates, 1);
}

TEST(WinGTDialog, ManualAndEveryMinuteExcludeEachOther) {
    WinGT w;
    w.settings.ReadManuell = true;
    w.model.fill();
    w.model.setReadMinute(true);
    EXPECT_FALSE(w.model.readMinute());
    w.model.setReadManual(false);
    w.model.setReadMinute(true);
    w.model.setReadManual(true);
    EXPECT_FALSE(w.model.readManual());
    EXPECT_TRUE(w.model.readMinute());
    EXPECT_FALSE(w.model.take());
    EXPECT_TRUE(w.settings.ReadMinute);
    EXPECT_FALSE(w.settings.ReadManuell);
}

TEST(WinGTDialog, FailedWriteTakesNothing) {
    WinGT w;
    const QByteArray old = "[ImportSchedule]\r\nTime0=06:00\r\n";
    writeAll(w.ini(), old);
    w.model.fill();
    w.model.import.folder = "/anders";
    w.model.import.manual = false;
    w.model.read.times = {"01:00", "02:00", "03:00"};
    std::optional<FieldProblem> refused;
    {
        ScopedFileSizeLimit limit(old.size());
        ASSERT_TRUE(limit.active());
        refused = w.model.take();
    }
    ASSERT_TRUE(refused);
    EXPECT_EQ(w.notifier.texts(), QStringList{cannotWriteMessage(w.ini())});
    EXPECT_EQ(readAll(w.ini()), old);
    EXPECT_EQ(w.settings.WinGTImport, w.settings.ProgramFolder);
    EXPECT_TRUE(w.settings.ImportManuell);
    EXPECT_EQ(w.updates, 0);
}
