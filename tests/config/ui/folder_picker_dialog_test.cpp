// The folder picker opens on the caller's folder, hands back the one chosen in its tree without a
// trailing "/", and leaves the caller's folder alone on "Abbrechen".
#include "config/ui/folder_picker_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "config/folder_path.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"

TEST(FolderPickerDialog, StartsAtTheFolderAndHandsBackTheChosenOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("log/2026"));
    const QString base = shownFolder(dir.path());
    FolderPickerDialog picker;
    EXPECT_EQ(picker.windowTitle(), "Ordner wählen...");

    QString folder = base + "/log/";
    whenShown(picker, [&] {
        EXPECT_EQ(picker.selectedFolder(), base + "/log");
        EXPECT_EQ(picker.placeList()->item(1)->text(), "/");
        picker.selectFolder(base + "/log/2026");
        QTest::keyClick(picker.folderTree(), Qt::Key_Return);
    });
    EXPECT_TRUE(picker.choose(folder));
    EXPECT_EQ(folder, base + "/log/2026");

    whenShown(picker, [&] {
        picker.selectFolder("/");
        EXPECT_EQ(picker.selectedFolder(), "/");
        QTest::keyClick(&picker, Qt::Key_Escape);
    });
    EXPECT_FALSE(picker.choose(folder));
    EXPECT_EQ(folder, base + "/log/2026");
}
