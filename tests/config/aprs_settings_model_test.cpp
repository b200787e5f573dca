// The model of "APRS ": the file written on opening, the folder joins, the interval check.
#include "config/aprs_settings_model.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/file_bytes.h"
#include "support/qt_printers.h"

TEST(AprsSettingsModel, OpeningWritesTheFileFirstAndShowsItsFrame) {
    QTemporaryDir dir;
    Settings settings;
    settings.setProgramFolder(dir.path() + "/");
    settings.APRSIntervall = 5;
    int writes = 0;
    AprsSettingsModel model(settings, [&] {
        ++writes;
        writeAll(settings.APRSDatei, "Dez 07 2026 21:30\r\n225/008g018t042h81b10132\r\n");
    });
    model.fill();
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(model.frame, "Dez 07 2026 21:30\n225/008g018t042h81b10132\n");
    EXPECT_EQ(model.folder, dir.path() + "/");
    EXPECT_EQ(model.fileName, "aprs.txt");
    EXPECT_EQ(model.interval, "5");
    EXPECT_TRUE(model.computerTime);
}

TEST(AprsSettingsModel, FolderAndNameJoinWithOneSlash) {
    Settings settings;
    settings.setProgramFolder("/opt/wx/");
    AprsSettingsModel model(settings, nullptr);
    const struct {
        const char* folder;
        const char* path;
    } cases[] = {{"/", "/aprs.txt"},
                 {"/srv/aprs", "/srv/aprs/aprs.txt"},
                 {"/srv/aprs/", "/srv/aprs/aprs.txt"},
                 {"", "/opt/wx/aprs.txt"}};
    for (const auto& c : cases) {
        model.fill();
        model.folder = c.folder;
        model.fileName = "aprs.txt";
        EXPECT_EQ(model.take(), std::nullopt);
        EXPECT_EQ(settings.APRSDatei, c.path) << c.folder;
    }
}

TEST(AprsSettingsModel, BadIntervalTakesNothing) {
    Settings settings;
    AprsSettingsModel model(settings, nullptr);
    for (const char* bad : {"x5", "-1", "65536"}) {
        model.fill();
        model.computerTime = false;
        model.fileName = "other.txt";
        model.interval = bad;
        const std::optional<FieldProblem> problem = model.take();
        ASSERT_TRUE(problem) << bad;
        EXPECT_EQ(*problem, (FieldProblem{"APRSIntervall", notIntegerMessage(bad)}));
        EXPECT_TRUE(settings.APRSRechnerZeit);
        EXPECT_EQ(settings.APRSIntervall, 1);
    }
    model.interval = "0";
    EXPECT_EQ(model.take(), std::nullopt);
    EXPECT_EQ(settings.APRSIntervall, 0);
    EXPECT_FALSE(settings.APRSRechnerZeit);
}
