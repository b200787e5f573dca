#include "config/ini_file.h"

#include <gtest/gtest.h>

namespace {
const QString kS = QStringLiteral("Alles");
}

TEST(IniFile, ReadsNamesWithoutCaseAndValuesTrimmed) {
    const IniFile ini = IniFile::fromBytes(
        "; a comment=1\r\n"
        "  [alles]  \r\n"
        "COMPORT =  COM1 \r\n"
        "Formel=a=b\r\n"
        "Leer=\r\n"
        "Empf\xE4nger=Z\xFCrich\n"  // a line with LF only
        "[Zweite]\r\n"
        "Comport=COM9");  // the last line without a line end
    EXPECT_EQ(ini.readString(kS, "comport", "x"), "COM1");
    EXPECT_EQ(ini.readString(kS, "Formel", "x"), "a=b");
    EXPECT_EQ(ini.readString(kS, "Leer", "x"), "");  // present but empty is not the default
    EXPECT_EQ(ini.readString(kS, "Fehlt", "x"), "x");
    EXPECT_EQ(ini.readString(kS, QString::fromUtf8("EMPFÄNGER"), "x"), QString::fromUtf8("Zürich"));
    EXPECT_EQ(ini.readString("zweite", "Comport", "x"), "COM9");
    EXPECT_FALSE(ini.hasKey(kS, "; a comment"));
    EXPECT_EQ(ini.keys(kS),
              (QStringList{"COMPORT", "Formel", "Leer", QString::fromUtf8("Empfänger")}));
    EXPECT_FALSE(ini.hasKeys("Fehlt"));

    const QByteArray longValue(3000, 'v');
    const IniFile big = IniFile::fromBytes("[A]\r\nK=" + longValue + "\r\n");
    EXPECT_EQ(big.readString("A", "K", {}).size(), IniFile::kMaxValueLength);
}

TEST(IniFile, IntegersInEverySpellingAndBoolsAsIntegers) {
    const IniFile ini = IniFile::fromBytes(
        "[F]\r\nA=0x8000000F\r\nB=$8000000F\r\nC=-2147483633\r\nD=abc\r\nE=0X10\r\n"
        "G=2147483648\r\nH=-2147483648\r\nI=$100000000\r\nJ=$\r\nK=1 2\r\nL=+7\r\nM=-$10\r\n"
        "yes=yes\r\ntwo=2\r\nzero=0\r\nempty=\r\n");
    EXPECT_EQ(ini.readInteger("F", "A", 5), -2147483633);
    EXPECT_EQ(ini.readInteger("F", "B", 5), -2147483633);
    EXPECT_EQ(ini.readInteger("F", "C", 5), -2147483633);
    EXPECT_EQ(ini.readInteger("F", "D", 5), 5);
    EXPECT_EQ(ini.readInteger("F", "E", 5), 16);
    EXPECT_EQ(ini.readInteger("F", "G", 5), 5);  // beyond 32 bits: no number
    EXPECT_EQ(ini.readInteger("F", "H", 5), -2147483647 - 1);
    EXPECT_EQ(ini.readInteger("F", "I", 5), 5);
    EXPECT_EQ(ini.readInteger("F", "J", 5), 5);
    EXPECT_EQ(ini.readInteger("F", "K", 5), 5);
    EXPECT_EQ(ini.readInteger("F", "L", 5), 7);
    EXPECT_EQ(ini.readInteger("F", "M", 5), -16);
    EXPECT_TRUE(ini.readBool("F", "yes", true));
    EXPECT_FALSE(ini.readBool("F", "yes", false));
    EXPECT_TRUE(ini.readBool("F", "two", false));
    EXPECT_FALSE(ini.readBool("F", "zero", true));
    EXPECT_TRUE(ini.readBool("F", "empty", true));
    EXPECT_TRUE(ini.readBool("F", "missing", true));
}

TEST(IniFile, WritingChangesOnlyTheValuesWritten) {
    const QByteArray before =
        "; Wetterpult\r\n"
        "[Alles]\r\n"
        "comport = COM1\r\n"
        "; Ende Alles\r\n"
        "Unbekannt=bleibt\r\n"
        "\r\n"
        "; Fenster\r\n"
        "[WindowPos]\n"
        "Height=600";
    IniFile ini = IniFile::fromBytes(before);
    ini.writeString("Alles", "Comport", "COM1");  // the same value: the line stays as it was
    ini.writeInteger("windowpos", "Height", 600);
    EXPECT_EQ(ini.toBytes(), before);

    ini.writeString("ALLES", "Comport", "/dev/ttyUSB0");  // replaced where it stands
    ini.writeBool("Alles", "autoLog", true);              // added after the last key
    ini.writeInteger("WindowPos", "Width", 800);          // after a last line without end
    ini.writeString("Neu", QString::fromUtf8("Empfänger"), QString::fromUtf8("Jürgen\r\nX"));
    EXPECT_EQ(ini.toBytes(),
              "; Wetterpult\r\n"
              "[Alles]\r\n"
              "comport = /dev/ttyUSB0\r\n"
              "; Ende Alles\r\n"
              "Unbekannt=bleibt\r\n"
              "autoLog=1\r\n"
              "\r\n"
              "; Fenster\r\n"
              "[WindowPos]\n"
              "Height=600\r\n"
              "Width=800\r\n"
              "\r\n"
              "[Neu]\r\n"
              "Empf\xE4nger=J\xFCrgen  X\r\n");
}

TEST(IniFile, EraseSectionRemovesEveryCopyAndNothingElse) {
    IniFile ini = IniFile::fromBytes(
        "[ReadSchedule]\r\nTime0=06:00\r\n\r\n[Alles]\r\nA=1\r\n\r\n[readschedule]\r\nTime0=07:"
        "00\r\n"
        "[Ende]\r\nB=2\r\n");
    ini.eraseSection("ReadSchedule");
    EXPECT_EQ(ini.toBytes(), "[Alles]\r\nA=1\r\n\r\n[Ende]\r\nB=2\r\n");
    ini.writeString("ReadSchedule", "Time0", "08:00");
    EXPECT_EQ(ini.toBytes(),
              "[Alles]\r\nA=1\r\n\r\n[Ende]\r\nB=2\r\n\r\n[ReadSchedule]\r\nTime0=08:00\r\n");
}

TEST(IniFile, SectionNamesWithBracketsFindTheirSection) {
    IniFile ini;
    for (const QString name : {"a]b", "[x", "c=d", ""})
        ini.writeString(name, "Absender", name + "!");
    const IniFile back = IniFile::fromBytes(ini.toBytes());
    for (const QString name : {"a]b", "[x", "c=d", ""}) {
        EXPECT_EQ(back.readString(name, "Absender", "-"), name + "!") << name.toStdString();
    }
}
