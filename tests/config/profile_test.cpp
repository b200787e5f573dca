#include <gtest/gtest.h>

#include "config/profile_name.h"
#include "config/profile_table.h"

TEST(ProfileName, OnlyNamesThatStandAsSectionAndFileAreTaken) {
    EXPECT_EQ(profileNameProblem("Funkrunde"), "");
    EXPECT_EQ(profileNameProblem(QString::fromUtf8("Bär & Söhne 2")), "");
    EXPECT_EQ(profileNameProblem("a.b"), "");
    for (const QString bad : {"", " x", "x ", "a[b", "a]b", "a=b", "../x", "a\\b", ".versteckt",
                              "a\tb", "Alles", "profile", "ImportSchedule"}) {
        EXPECT_NE(profileNameProblem(bad), "") << bad.toStdString();
    }
    EXPECT_EQ(profileNameProblem("FUNK", {"Wetter", "funk"}),
              "Ein Profil mit dem Namen FUNK gibt es schon.");
}

TEST(ProfileName, FileStemNeverLeavesItsFolder) {
    EXPECT_EQ(profileFileStem("Funkrunde"), "Funkrunde");
    EXPECT_EQ(profileFileStem("../../etc/passwd"), "_._.._etc_passwd");
    EXPECT_EQ(profileFileStem(".."), "_.");
    EXPECT_EQ(profileFileStem("a\\b\nc"), "a_b_c");
    EXPECT_EQ(profileFileStem(""), "_");
    EXPECT_EQ(profileFileStem("[x]=y"), "[x]=y");  // harmless in a file name
}

TEST(ProfileTable, AddsUpToOneHundredAndDeletesByMovingDown) {
    Settings s;
    EXPECT_EQ(addProfile(s, "Eins"), "");
    EXPECT_EQ(addProfile(s, "Zwei"), "");
    EXPECT_EQ(addProfile(s, "Drei"), "");
    EXPECT_NE(addProfile(s, "zwei"), "");
    EXPECT_NE(addProfile(s, "a=b"), "");
    ASSERT_EQ(s.ProfileCount, 3);

    deleteProfile(s, 2);
    ASSERT_EQ(s.ProfileCount, 2);
    EXPECT_EQ(s.profile(1).Name, "Eins");
    EXPECT_EQ(s.profile(2).Name, "Drei");
    EXPECT_EQ(s.profile(3).Name, "");
    deleteProfile(s, 3);  // not in use: nothing happens
    EXPECT_EQ(s.ProfileCount, 2);

    for (int n = 3; n <= kProfileSlots; ++n)
        ASSERT_EQ(addProfile(s, QString("P%1").arg(n)), "");
    EXPECT_EQ(s.ProfileCount, kProfileSlots);
    EXPECT_EQ(addProfile(s, "Hunderteins"),
              QString::fromUtf8("Es können höchstens 100 Profile angelegt werden."));
    EXPECT_EQ(s.ProfileCount, kProfileSlots);
}
