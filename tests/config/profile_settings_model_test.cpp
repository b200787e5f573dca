#include "config/profile_settings_model.h"

#include <gtest/gtest.h>

namespace {

Settings threeProfiles() {
    Settings s;
    const char* names[] = {"Eins", "Zwei", "Drei"};
    for (int n = 1; n <= 3; ++n) {
        Profile& p = s.profile(n);
        p.Name = names[n - 1];
        p.Absender = QStringLiteral("DL%1ABC").arg(n);
        p.VOR = {"Hallo", "Welt"};
    }
    s.ProfileCount = 3;
    return s;
}

}  // namespace

TEST(ProfileDialog, ShowsTheFirstAndDeletingTheSecondMovesTheThirdDown) {
    Settings s = threeProfiles();
    ProfileSettingsModel m(s);
    m.fill();
    EXPECT_EQ(m.names, QStringList({"Eins", "Zwei", "Drei"}));
    EXPECT_EQ(m.selected, 0);
    EXPECT_EQ(m.absender, "DL1ABC");
    EXPECT_EQ(m.vorText, "Hallo\nWelt");

    m.select(1);
    EXPECT_EQ(m.absender, "DL2ABC");
    m.deleteSelected();
    EXPECT_EQ(s.ProfileCount, 2);
    EXPECT_EQ(s.profile(2).Name, "Drei");
    EXPECT_EQ(s.profile(3).Name, "");
    EXPECT_EQ(m.names, QStringList({"Eins", "Drei"}));
    EXPECT_EQ(m.selected, 0);
    EXPECT_EQ(m.absender, "DL1ABC");
}

TEST(ProfileDialog, NewProfileIsStoredWithTheShownFields) {
    Settings s = threeProfiles();
    ProfileSettingsModel m(s);
    m.fill();
    m.betreff = "Wetter";  // not stored in profile 1: it goes to the new profile
    EXPECT_EQ(m.addNew("Test"), "");
    EXPECT_EQ(m.selected, 3);
    EXPECT_FALSE(m.store());
    EXPECT_EQ(s.ProfileCount, 4);
    const Profile& p = s.profile(4);
    EXPECT_EQ(p.Name, "Test");
    EXPECT_EQ(p.Absender, "DL1ABC");
    EXPECT_EQ(p.Betreff, "Wetter");
    EXPECT_EQ(p.VOR, QStringList({"Hallo", "Welt"}));
    EXPECT_EQ(s.profile(1).Betreff, "");

    // Names that cannot stand as a section and an Import file are refused and change nothing.
    for (const QString bad : {"", "test", "Alles", "a=b", "../x"})
        EXPECT_NE(m.addNew(bad), "") << bad.toStdString();
    EXPECT_EQ(s.ProfileCount, 4);
    EXPECT_EQ(m.names.size(), 4);
}

TEST(ProfileDialog, EmptyTableShowsEmptyFieldsAndStoresNothing) {
    Settings s;
    ProfileSettingsModel m(s);
    m.absender = "alt";
    m.fill();
    EXPECT_TRUE(m.names.isEmpty());
    EXPECT_EQ(m.absender, "");
    m.absender = "DL0XX";
    EXPECT_FALSE(m.take());
    EXPECT_EQ(s.ProfileCount, 0);
    EXPECT_EQ(s.profile(1).Absender, "");
}

TEST(ProfileDialog, DailyTimeMustBeHhMm) {
    Settings s = threeProfiles();
    ProfileSettingsModel m(s);
    m.fill();
    m.wieWinGT = false;
    for (const QString bad : {"9:30", "24:00", "12:60", "1230", ""}) {
        m.uhrzeit = bad;
        const auto problem = m.store();
        ASSERT_TRUE(problem) << bad.toStdString();
        EXPECT_EQ(problem->field, ProfileSettingsModel::kTimeField);
        EXPECT_EQ(problem->message, "Bitte die Zeit im Format hh:mm angeben");
        EXPECT_EQ(s.profile(1).Uhrzeit, "16:57");
        EXPECT_TRUE(s.profile(1).WieWinGT);
    }
    m.uhrzeit = "07:05";
    EXPECT_FALSE(m.store());
    EXPECT_EQ(s.profile(1).Uhrzeit, "07:05");
    EXPECT_FALSE(s.profile(1).WieWinGT);
}

TEST(ProfileDialog, MultiLineFieldsAreLines) {
    EXPECT_EQ(ProfileSettingsModel::linesOf(""), QStringList());
    EXPECT_EQ(ProfileSettingsModel::linesOf("a\n"), QStringList({"a"}));
    EXPECT_EQ(ProfileSettingsModel::linesOf("a\n\nb"), QStringList({"a", "", "b"}));
}
