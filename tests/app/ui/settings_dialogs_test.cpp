// The settings dialogs as a whole: each menu item opens its dialog, every dialog is created once,
// and every control in them has a name a screen reader can announce.
#include "app/ui/settings_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/ui/desktop_program.h"
#include "app/ui/view_windows.h"
#include "base/notifier.h"
#include "config/ui/folder_picker_dialog.h"
#include "config/ui/new_profile_dialog.h"
#include "display/ui/about_box.h"
#include "display/ui/font_choice_dialog.h"
#include "display/ui/form1.h"
#include "display/ui/main_menu.h"
#include "geo/ui/sun_window.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"

TEST(SettingsDialogs, EachMenuItemOpensItsDialogAgainAndAgain) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    const MainMenu& menu = program.window().menu();
    const std::pair<QAction*, const char*> items[] = {{menu.Allgemein1, "Allgemein"},
                                                      {menu.APRS1, "APRS "},
                                                      {menu.WinGT1, "WinGT Einstellungen"},
                                                      {menu.Wetterlog1, "Wetterlog Einstellungen"},
                                                      {menu.Profile1, "Profile"},
                                                      {menu.COMPort1, "Setup"},
                                                      {menu.Locator1, "Locator"},
                                                      {menu.ASYNOP1, "ASYNOP"},
                                                      {menu.ClientServer1, "Client/Server"},
                                                      {menu.Webseite1, "Webseite"}};
    QStringList opened;
    for (int round = 0; round < 2; ++round)
        for (const auto& [item, caption] : items) {
            for (QDialog* dialog : program.settingsDialogs().all())
                if (dialog->windowTitle() == QString::fromUtf8(caption))
                    whenShown(*dialog, [&opened, dialog] { opened << dialog->windowTitle(); });
            item->trigger();
        }
    EXPECT_EQ(opened.size(), 20) << opened.join('|').toStdString();
    EXPECT_EQ(opened.mid(0, 10), opened.mid(10));
}

TEST(SettingsDialogs, EveryControlHasAnAccessibleName) {
    QTemporaryDir dir;
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    QStringList nameless;
    for (QDialog* dialog : program.settingsDialogs().all()) {
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            const auto* group = qobject_cast<QGroupBox*>(w);
            const bool control = w->focusPolicy() != Qt::NoFocus || (group && group->isCheckable());
            // A list's drop-down is a window of its own, announced through the list.
            if (!control || !w->isEnabledTo(dialog) || w->focusProxy() || w->window() != dialog)
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                nameless << dialog->objectName() + "/" + w->metaObject()->className() + "/" +
                                w->objectName();
        }
    }
    EXPECT_EQ(nameless, QStringList());
}

// Shown at their own size, no text of any dialog is cut. With WETTERPULT_SHOTS set to a folder,
// each dialog is also saved there as <objectName>.png (scripts/dialog-shots.sh).
TEST(SettingsDialogs, NoTextIsCutAtTheDialogsOwnSize) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    const QString shots = qEnvironmentVariable("WETTERPULT_SHOTS");
    QStringList cut;
    int shotNumber = 0;
    for (QDialog* dialog : program.settingsDialogs().all()) {
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        QApplication::processEvents();
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->window() != dialog ||
                !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                  qobject_cast<QGroupBox*>(w)))
                continue;
            const QSize need = w->minimumSizeHint();
            if (w->width() < need.width() || w->height() < need.height())
                cut << dialog->objectName() + "/" + w->objectName() + "/" +
                           w->metaObject()->className();
        }
        if (!shots.isEmpty()) {
            // The file list of a folder tree fills in the background.
            EXPECT_TRUE(QTest::qWaitFor([dialog] {
                for (const QFileSystemModel* files : dialog->findChildren<QFileSystemModel*>())
                    if (files->rowCount(files->index(files->rootPath())) == 0)
                        return false;
                return true;
            }));
            QApplication::processEvents();
            QImage shot = dialog->grab().toImage();
            shot.setText("Title", dialog->windowTitle());
            const QString name = QStringLiteral("%1-%2.png")
                                     .arg(++shotNumber, 2, 10, QLatin1Char('0'))
                                     .arg(dialog->objectName());
            EXPECT_TRUE(shot.save(QDir(shots).filePath(name)));
        }
        dialog->hide();
    }
    EXPECT_EQ(cut, QStringList());
}

namespace {
// The controls Tab reaches from the dialog's first focus, in order, until the focus comes back
// to where it started (or 80 steps pass).
QList<QWidget*> tabWalk(QDialog& dialog) {
    QList<QWidget*> walk;
    QWidget* start = QApplication::focusWidget();
    for (int step = 0; step < 80 && start; ++step) {
        QWidget* now = QApplication::focusWidget();
        if (!now || (step > 0 && now == start))
            break;
        walk << now;
        QTest::keyClick(now, Qt::Key_Tab);
    }
    Q_UNUSED(dialog);
    return walk;
}
}  // namespace

// Every dialog from the keyboard alone: Tab reaches every control that can take the focus and
// comes back round, and no dialog opens with a field's text selected (one key would replace it).
// The table: the settings dialogs, the about box, the sun window, and the dialogs opened from
// inside others (font choice, folder picker, new profile).
TEST(SettingsDialogs, TabReachesEveryControlOfEveryDialog) {
    QTemporaryDir dir;
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    DesktopProgram program(AppOptions{}, dir.path() + "/");
    program.start();
    FolderPickerDialog folderPicker(&program.window());
    NewProfileDialog newProfile(&program.window());
    std::vector<QDialog*> dialogs = program.settingsDialogs().all();
    dialogs.insert(dialogs.end(), {&program.viewWindows().about(), &program.viewWindows().sun(),
                                   program.window().fontDialog(), &folderPicker, &newProfile});
    QStringList problems;
    for (QDialog* dialog : dialogs) {
        ASSERT_NE(dialog, nullptr);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog)) << dialog->objectName().toStdString();
        const QString name = dialog->objectName();
        if (!QTest::qWaitFor([dialog] {
                return QApplication::focusWidget() &&
                       QApplication::focusWidget()->window() == dialog;
            })) {
            problems << name + ": opens without focus";
            dialog->hide();
            continue;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            edit && edit->hasSelectedText())
            problems << name + ": opens with the text of " + edit->objectName() + " selected";
        const QList<QWidget*> walk = tabWalk(*dialog);
        if (walk.size() >= 80 || walk.isEmpty())
            problems << name + ": Tab does not come back round";
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled() || w->window() != dialog || w->focusProxy() ||
                !(w->focusPolicy() & Qt::TabFocus) || walk.contains(w))
                continue;
            // Of a group of radio buttons Tab reaches the chosen one; the arrows the others.
            if (auto* radio = qobject_cast<QRadioButton*>(w); radio && !radio->isChecked())
                continue;
            problems << name + ": Tab never reaches " + w->metaObject()->className() + " " +
                            w->objectName() + " " + w->accessibleName();
        }
        dialog->hide();
    }
    EXPECT_EQ(problems, QStringList());
}
