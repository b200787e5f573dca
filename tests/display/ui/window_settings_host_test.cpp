#include "display/ui/window_settings_host.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>

#include "base/notifier.h"
#include "config/plain_settings_host.h"
#include "config/settings_file.h"
#include "display/ui/columns_area.h"
#include "display/ui/font_choice_dialog.h"
#include "display/ui/form1.h"
#include "display/ui/value_box.h"
#include "display/ui/windows_colour.h"

TEST(WindowSettingsHost, ColourAndFontOfABoxSurviveARestart) {
    QTemporaryDir dir;
    Settings settings;
    settings.setProgramFolder(dir.path() + "/");
    RecordingNotifier messages;
    ScopedNotifier scoped(messages);
    {
        Form1 form;
        PlainSettingsHost links;
        WindowSettingsHost host(form, links);
        LoadSettings(settings, host);  // no file yet: every box the button face colour
        for (const auto& [n, box] : form.columns()->boxes())
            EXPECT_EQ(box->backgroundColour(), kButtonFaceColour) << n;
        EXPECT_EQ(form.box(9)->fontColour(), 8u);

        // "Zeichen..." on "Regen": a bold 12-point font in red; "Farbe..." on "Winde": yellow.
        QTimer::singleShot(0, form.fontDialog(), [&] {
            QFont f(QStringLiteral("DejaVu Serif"));
            f.setPointSize(12);
            f.setBold(true);
            form.fontDialog()->preset(f, 0x0000FF);
            form.fontDialog()->accept();
        });
        form.Zeichen1Click("GroupBox9");
        form.box(10)->setBackgroundColour(0x00FFFF);
        form.resize(700, 550);
        form.move(40, 30);
        ASSERT_TRUE(SaveSettings(settings, host));
    }
    Form1 form;
    PlainSettingsHost links;
    WindowSettingsHost host(form, links);
    const QString familyBefore = form.box(9)->font().family();
    LoadSettings(settings, host);
    EXPECT_EQ(form.box(9)->fontSize(), 12);
    EXPECT_EQ(form.box(9)->fontColour(), 0x0000FFu);
    // Only size and colour are kept: name and style are those the box had before.
    EXPECT_EQ(form.box(9)->font().family(), familyBefore);
    EXPECT_FALSE(form.box(9)->font().bold());
    EXPECT_EQ(form.box(10)->backgroundColour(), 0x00FFFFu);
    EXPECT_EQ(form.box(4)->backgroundColour(), kButtonFaceColour);
    EXPECT_EQ(host.windowBounds(), (WindowBounds{550, 700, 30, 40}));
    EXPECT_TRUE(messages.messages.empty());
}
