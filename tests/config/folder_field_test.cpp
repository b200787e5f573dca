// "OK" in every dialog with a folder field: a folder that cannot be created is named and refused.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "config/aprs_settings_model.h"
#include "config/asynop_settings_model.h"
#include "config/folder_path.h"
#include "config/plain_settings_host.h"
#include "config/weather_log_settings_model.h"
#include "config/wingt_settings_model.h"
#include "support/file_bytes.h"

namespace {

// "OK" of one dialog with `folder` typed into its folder field.
using TakeWithFolder = std::function<std::optional<FieldProblem>(Settings&, const QString&)>;

struct FolderDialog {
    const char* field;
    TakeWithFolder take;
};

const FolderDialog kDialogs[] = {
    {"APRSOrdner",
     [](Settings& s, const QString& folder) {
         AprsSettingsModel m(s, [] {});
         m.fill();
         m.folder = folder;
         return m.take();
     }},
    {"Zielordner",
     [](Settings& s, const QString& folder) {
         QString subject;
         AsynopSettingsModel m(s, {subject, [] { return QString(); }});
         m.fill();
         m.folder = folder;
         return m.take();
     }},
    {"LogOrdner",
     [](Settings& s, const QString& folder) {
         PlainSettingsHost host;
         WeatherLogSettingsModel m(s, host);
         m.fill();
         m.folder = folder;
         return m.take();
     }},
    {"ReadOrdner",
     [](Settings& s, const QString& folder) {
         WinGTSettingsModel m(s, {[] { return QString(); }, [] { return QString(); }, [] {}});
         m.fill();
         m.read.folder = folder;
         return m.take();
     }},
};

}  // namespace

TEST(FolderFields, AFolderThatCannotBeCreatedIsNamedAndRefused) {
    QTemporaryDir dir;
    Settings settings;
    settings.setProgramFolder(dir.path() + "/");
    const QString file = dir.filePath("notiz.txt");
    writeAll(file, "x");
    const QString underFile = file + "/wetter";
    for (const FolderDialog& dialog : kDialogs) {
        const Settings before = settings;
        const std::optional<FieldProblem> refused = dialog.take(settings, underFile);
        ASSERT_TRUE(refused) << dialog.field;
        EXPECT_EQ(refused->field, dialog.field);
        EXPECT_EQ(refused->message, "Der Ordner " + underFile +
                                        " existiert nicht und kann nicht angelegt werden: " + file +
                                        " ist eine Datei.");
        EXPECT_EQ(settings.LogOrdner, before.LogOrdner) << dialog.field;
        EXPECT_EQ(settings.APRSDatei, before.APRSDatei) << dialog.field;

        // A folder that can be created is taken as it stands (the writers create it).
        EXPECT_FALSE(dialog.take(settings, dir.filePath("neu/tief"))) << dialog.field;
    }
    EXPECT_EQ(folderProblem(file), "Der Ordner " + file + " ist eine Datei, kein Ordner.");
}
