// Folder texts of the dialogs and the folder picker's places.
#include "config/folder_path.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "config/folder_places.h"
#include "support/qt_printers.h"

TEST(FolderPath, JoinsWithOneSlashAndSplitsAtTheLast) {
    EXPECT_EQ(joinFolderAndFile("/", "aprs.txt"), "/aprs.txt");
    EXPECT_EQ(joinFolderAndFile("/home/wx", "aprs.txt"), "/home/wx/aprs.txt");
    EXPECT_EQ(joinFolderAndFile("/home/wx/", "aprs.txt"), "/home/wx/aprs.txt");
    EXPECT_EQ(splitFolderAndFile("/home/wx/aprs.txt"), (FolderAndFile{"/home/wx/", "aprs.txt"}));
    EXPECT_EQ(splitFolderAndFile("aprs.txt"), (FolderAndFile{"", "aprs.txt"}));
    EXPECT_EQ(withTrailingSlash("/home/wx"), "/home/wx/");
    EXPECT_EQ(withTrailingSlash("/"), "/");
}

TEST(FolderPath, ShownFolderHasNoTrailingSlashExceptTheRoot) {
    EXPECT_EQ(shownFolder("/home/wx/"), "/home/wx");
    EXPECT_EQ(shownFolder("/home//wx/./log"), "/home/wx/log");
    EXPECT_EQ(shownFolder("/"), "/");
}

TEST(FolderPlaces, TheDeepestPlaceHoldsTheFolder) {
    const std::vector<FolderPlace> places = {
        {"home", "/home/wx"}, {"/", "/"}, {"stick", "/media/wx/STICK"}};
    EXPECT_EQ(placeHolding(places, "/home/wx/log"), 0);
    EXPECT_EQ(placeHolding(places, "/home/wxother"), 1);
    EXPECT_EQ(placeHolding(places, "/media/wx/STICK/"), 2);
    EXPECT_EQ(placeHolding(places, "/etc"), 1);
    EXPECT_EQ(folderPlaces().at(1).path, "/");
}

TEST(FolderPlaces, MissingFolderStartsAtItsNearestParent) {
    QTemporaryDir dir;
    const QString existing = shownFolder(dir.path());
    EXPECT_EQ(nearestExistingFolder(existing + "/gone/deeper/"), existing);
    EXPECT_EQ(nearestExistingFolder(""), shownFolder(QDir::homePath()));
}
