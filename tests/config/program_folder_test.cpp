#include "config/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(ProgramFolder, OptionThenExecutableFolderThenUserData) {
    QTemporaryDir dir;
    QString error;
    EXPECT_EQ(resolveProgramFolder(dir.filePath("neu/tief"), "/usr/bin", &error),
              dir.filePath("neu/tief") + "/");
    EXPECT_TRUE(QDir(dir.filePath("neu/tief")).exists());
    EXPECT_EQ(resolveProgramFolder("", dir.path(), &error), dir.path() + "/");

    const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("xdg")));
    EXPECT_EQ(resolveProgramFolder("", dir.filePath("fehlt"), &error),
              dir.filePath("xdg/wetterpult/"));
    EXPECT_TRUE(QDir(dir.filePath("xdg/wetterpult")).exists());
    qputenv("XDG_DATA_HOME", "relativ");
    EXPECT_EQ(userDataFolder(), QDir::homePath() + "/.local/share/wetterpult/");
    if (savedXdg.isNull()) {
        qunsetenv("XDG_DATA_HOME");
    } else {
        qputenv("XDG_DATA_HOME", savedXdg);
    }

    QFile file(dir.filePath("datei"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(resolveProgramFolder(dir.filePath("datei/unter"), "", &error), "");
    EXPECT_EQ(error, "Der Ordner " + dir.filePath("datei/unter") + " kann nicht angelegt werden");
}
