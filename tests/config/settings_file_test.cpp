#include "config/settings_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <type_traits>
#include <variant>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/notifier.h"
#include "config/ini_file.h"
#include "config/plain_settings_host.h"
#include "config/settings_keys.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"

namespace {

QByteArray expectedFile(const char* name) {
    return readAll(QStringLiteral(WETTERPULT_TEST_DATA "/config/") + QLatin1String(name));
}

// A program folder in a fresh temporary folder.
struct Folder {
    QTemporaryDir dir;
    Settings settings;
    PlainSettingsHost host;
    RecordingNotifier notifier;
    ScopedNotifier scoped{notifier};
    Folder() { settings.setProgramFolder(dir.path()); }
    QString ini() const { return settingsFilePath(settings); }
    // Loads a file of these bytes into fresh settings and a fresh host.
    void load(const QByteArray& bytes) {
        writeAll(ini(), bytes);
        settings = Settings{};
        settings.setProgramFolder(dir.path());
        host = PlainSettingsHost{};
        LoadSettings(settings, host);
    }
};

}  // namespace

TEST(SettingsFile, FirstStartWithoutFileUsesDefaultsAndSavesEveryKeyInOrder) {
    Folder f;
    LoadSettings(f.settings, f.host);
    EXPECT_EQ(f.host.bounds, (WindowBounds{600, 800, 0, 0}));
    EXPECT_EQ(f.host.port, "COM2");
    EXPECT_EQ(f.host.address, "127.0.0.1");
    EXPECT_EQ(f.host.serverPort, 6980);
    EXPECT_EQ(f.host.logMilliseconds, 0);
    EXPECT_EQ(f.host.colors[0], kButtonFace);
    EXPECT_EQ(f.host.fontSizes[9], 8);
    EXPECT_EQ(f.host.fontColors[9], 8);
    EXPECT_EQ(f.host.aktivCommands, 0);
    EXPECT_EQ(f.settings.MyLocator, "JO30XN");
    EXPECT_EQ(f.settings.ProfileCount, 0);
    EXPECT_EQ(f.settings.APRSDatei, f.dir.path() + "/aprs.txt");
    EXPECT_TRUE(f.notifier.messages.empty());

    ASSERT_TRUE(SaveSettings(f.settings, f.host));
    QByteArray expected = expectedFile("first_start.ini");
    expected.replace("@FOLDER@", QFile::encodeName(f.dir.path()));
    EXPECT_EQ(readAll(f.ini()), expected);
}

TEST(SettingsFile, AStationKeyOrPasscodeAloneMakesTheFileTheOwnersAlone) {
    constexpr auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ReadOther | QFileDevice::WriteOther;
    for (auto secret : {&Settings::WUSchluessel, &Settings::Passcode}) {
        Folder f;
        ASSERT_TRUE(SaveSettings(f.settings, f.host));
        f.settings.*secret = "23456";
        ASSERT_TRUE(SaveSettings(f.settings, f.host));
        EXPECT_EQ(QFile::permissions(f.ini()) & others, 0);
        f.load(readAll(f.ini()));
        EXPECT_EQ(f.settings.*secret, "23456");
    }
}

TEST(SettingsFile, ProfileSlotsFollowTheKeysThatExist) {
    Folder f;
    f.load(
        "[Profile]\r\nMaxProfil=3\r\nProfil1=Eins\r\nProfil3=Drei\r\n"
        "[Eins]\r\nAbsender=DL1AAA\r\n[Drei]\r\nVOR=\"Guten Morgen\",Welt\r\nWieWinGT=0\r\n");
    // The missing Profil2 is a profile without a name: dropped with a message, Drei moves up.
    EXPECT_EQ(f.settings.ProfileCount, 2);
    EXPECT_EQ(f.settings.profile(1).Name, "Eins");
    EXPECT_EQ(f.settings.profile(1).Absender, "DL1AAA");
    EXPECT_EQ(f.settings.profile(1).VOR, QStringList{"nix"});
    EXPECT_EQ(f.settings.profile(1).Uhrzeit, "16:57");
    EXPECT_TRUE(f.settings.profile(1).WieWinGT);
    EXPECT_EQ(f.settings.profile(2).Name, "Drei");
    EXPECT_EQ(f.settings.profile(2).VOR, (QStringList{"Guten Morgen", "Welt"}));
    EXPECT_FALSE(f.settings.profile(2).WieWinGT);
    EXPECT_EQ(f.notifier.texts(),
              QStringList{"In " + f.ini() +
                          QString::fromUtf8(" steht 1 Profil ohne Namen; es wird übergangen.")});

    f.notifier.messages.clear();
    f.load("[Profile]\r\nMaxProfil=3\r\nProfil1=Eins\r\n");
    EXPECT_EQ(f.settings.ProfileCount, 1);
    f.load("[Profile]\r\nMaxProfil=0\r\n");
    EXPECT_EQ(f.settings.ProfileCount, 0);
    EXPECT_TRUE(f.notifier.messages.empty());

    // A count beyond the table reads no slot past 100; empty names are dropped too.
    f.load(
        "[Profile]\r\nMaxProfil=100000\r\nProfil1=\r\nProfil2=\r\nProfil100=Letztes\r\n"
        "Profil101=Zuviel\r\n");
    EXPECT_EQ(f.settings.ProfileCount, 1);
    EXPECT_EQ(f.settings.profile(1).Name, "Letztes");
    EXPECT_EQ(f.notifier.texts().value(0),
              "In " + f.ini() +
                  QString::fromUtf8(" stehen 99 Profile ohne Namen; sie werden übergangen."));
}

TEST(SettingsFile, NamelessProfilesAreNeverWritten) {
    Folder f;
    f.settings.ProfileCount = 3;
    f.settings.profile(2).Name = "Zwei";
    ASSERT_TRUE(SaveSettings(f.settings, f.host));
    const QByteArray saved = readAll(f.ini());
    EXPECT_TRUE(saved.contains("[Profile]\r\nMaxProfil=1\r\nProfil1=Zwei\r\n\r\n[Zwei]\r\n"));
    EXPECT_FALSE(saved.contains("[]"));
    // A second start keeps a file without profiles as it is.
    f.load(saved);
    ASSERT_TRUE(SaveSettings(f.settings, f.host));
    EXPECT_EQ(readAll(f.ini()), saved);
}

TEST(SettingsFile, LogIntervalAndTimeZoneOutsideTheirRanges) {
    Folder f;
    const std::pair<const char*, int> intervals[] = {
        {"0", 0}, {"1", 60000}, {"59999", 60000}, {"-5", 60000}, {"900000", 900000}};
    for (const auto& [text, ms] : intervals) {
        f.load(QByteArray("[Wetterlog]\r\nLogInterval=") + text + "\r\n");
        EXPECT_EQ(f.host.logMilliseconds, ms) << text;
    }
    EXPECT_TRUE(f.notifier.messages.empty());
    f.load("[Alles]\r\nZeitzone=-12\r\n");
    EXPECT_EQ(f.settings.Zeitzone, -12);
    f.load("[Alles]\r\nZeitzone=13\r\n");
    EXPECT_EQ(f.settings.Zeitzone, 0);
    EXPECT_EQ(f.notifier.texts(), QStringList{"Zeitzone=13 in " + f.ini() +
                                              " liegt nicht zwischen -12 und +12; es gilt 0."});
}

TEST(SettingsFile, ByteOrderMarkOldMacLineEndsAndNumbersThatWouldWrap) {
    Folder f;
    // Saved as UTF-8 with a byte order mark: the first section and the umlaut are read.
    f.load(
        "\xEF\xBB\xBF[Alles]\r\nMyLocator=JN58TD\r\n[Profile]\r\nMaxProfil=1\r\n"
        "Profil1=P\r\n[P]\r\nEmpf\xC3\xA4nger=M\xC3\xBCller\r\n");
    EXPECT_EQ(f.settings.MyLocator, "JN58TD");
    EXPECT_EQ(f.settings.profile(1).Empfaenger, QString::fromUtf8("Müller"));
    // Lines ended by CR alone.
    f.load("[Alles]\rMyLocator=JO40AA\rAPRSIntervall=7\r[Wetterlog]\rLogUpdate=2\r");
    EXPECT_EQ(f.settings.MyLocator, "JO40AA");
    EXPECT_EQ(f.settings.APRSIntervall, 7);
    EXPECT_EQ(f.settings.LogUpdate, 2);
    EXPECT_TRUE(f.notifier.messages.empty());

    f.load("[Alles]\r\nAPRSIntervall=-5\r\nZeitzoneIndex=-7\r\n[Wetterlog]\r\nLogUpdate=300\r\n");
    EXPECT_EQ(f.settings.APRSIntervall, 1);
    EXPECT_EQ(f.settings.ZeitzoneIndex, 11);
    EXPECT_EQ(f.settings.LogUpdate, 0);
    EXPECT_EQ(
        f.notifier.texts(),
        (QStringList{
            "LogUpdate=300 in " + f.ini() + " liegt nicht zwischen 0 und 2; es gilt 0.",
            "APRSIntervall=-5 in " + f.ini() + " liegt nicht zwischen 0 und 65535; es gilt 1.",
            "ZeitzoneIndex=-7 in " + f.ini() + " liegt nicht zwischen 0 und 25; es gilt 11."}));
}

TEST(SettingsFile, ValuesInHandWrittenSpellings) {
    Folder f;
    f.load(
        "[farben]\r\nGroup2=0x8000000F\r\nGroup3=$8000000F\r\nGroup4=-2147483633\r\n"
        "Group5=abc\r\nGroup6=255\r\n"
        "[ALLES]\r\nautoLog=yes\r\nautoAPRS=2\r\nautoRead=0\r\nActiveAtStartup=1\r\n"
        "[asynop]\r\nasynopvor=Wetter aus Bonn\r\nASYNOPNACH=Ende\r\n");
    EXPECT_EQ(f.host.colors[0], kButtonFace);
    EXPECT_EQ(f.host.colors[1], kButtonFace);
    EXPECT_EQ(f.host.colors[2], kButtonFace);
    EXPECT_EQ(f.host.colors[3], kButtonFace);
    EXPECT_EQ(f.host.colors[4], 255);
    EXPECT_TRUE(f.settings.autoLog);
    EXPECT_TRUE(f.settings.autoAPRS);
    EXPECT_FALSE(f.settings.autoRead);
    EXPECT_EQ(f.settings.ASYNOPvor, "Wetter aus Bonn");
    EXPECT_EQ(f.settings.ASYNOPnach, "Ende");
    // ActiveAtStartup carries out "Aktiv" once, after every other setting is in place.
    EXPECT_EQ(f.host.aktivCommands, 1);
    EXPECT_TRUE(f.host.aktiv);
}

TEST(SettingsFile, EveryValueSurvivesSaveAndLoadWithUmlauts) {
    Folder f;
    Settings& s = f.settings;
    s.MyLocator = "JN58TD";
    s.APRSIntervall = 10;
    s.Zeitzone = -5;
    s.LogUpdate = 2;
    s.ASYNOPvor = QString::fromUtf8("Grüße aus Göttingen");
    s.ProfileCount = 2;
    s.profile(1).Name = "Lokal";
    s.profile(1).Empfaenger = QString::fromUtf8("Jürgen");
    s.profile(1).VOR = {"Hallo Leute,", "", "heute:"};
    s.profile(1).NACH = {""};
    s.profile(2).Name = QString::fromUtf8("Bär");
    s.profile(2).WieWinGT = false;
    s.profile(2).Uhrzeit = "07:15";
    s.profile(2).NACH = {};
    f.host.bounds = {480, 640, 10, 20};
    f.host.port = "/dev/ttyUSB0";
    f.host.client = true;
    f.host.address = "wetter.example";
    f.host.serverPort = 7000;
    f.host.logMilliseconds = 600000;
    f.host.colors[8] = 0x00FF00;
    f.host.fontSizes[8] = 12;
    f.host.fontColors[8] = 0x0000FF;
    ASSERT_TRUE(SaveSettings(s, f.host));

    const QByteArray bytes = readAll(f.ini());
    EXPECT_TRUE(bytes.contains("[B\xE4r]\r\nEmpf\xE4nger=\r\n"));
    EXPECT_TRUE(bytes.contains("Empf\xE4nger=J\xFCrgen\r\n"));
    EXPECT_TRUE(bytes.contains("VOR=\"Hallo Leute,\",,heute:\r\n"));

    Settings t;
    t.setProgramFolder(f.dir.path());
    PlainSettingsHost h;
    LoadSettings(t, h);
    EXPECT_EQ(t.MyLocator, s.MyLocator);
    EXPECT_EQ(t.APRSIntervall, 10);
    EXPECT_EQ(t.Zeitzone, -5);
    EXPECT_EQ(t.LogUpdate, 2);
    EXPECT_EQ(t.ASYNOPvor, s.ASYNOPvor);
    EXPECT_TRUE(t.ClientActive);
    ASSERT_EQ(t.ProfileCount, 2);
    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(t.profile(n).Name, s.profile(n).Name);
        EXPECT_EQ(t.profile(n).Empfaenger, s.profile(n).Empfaenger);
        EXPECT_EQ(t.profile(n).VOR, s.profile(n).VOR);
        EXPECT_EQ(t.profile(n).NACH, s.profile(n).NACH);
        EXPECT_EQ(t.profile(n).WieWinGT, s.profile(n).WieWinGT);
        EXPECT_EQ(t.profile(n).Uhrzeit, s.profile(n).Uhrzeit);
    }
    EXPECT_EQ(h.bounds, f.host.bounds);
    EXPECT_EQ(h.port, "/dev/ttyUSB0");
    EXPECT_EQ(h.address, "wetter.example");
    EXPECT_EQ(h.serverPort, 7000);
    EXPECT_EQ(h.logMilliseconds, 600000);
    EXPECT_EQ(h.colors, f.host.colors);
    EXPECT_EQ(h.fontSizes, f.host.fontSizes);
    EXPECT_EQ(h.fontColors, f.host.fontColors);
    EXPECT_EQ(h.aktivCommands, 0);
}

// Every key of the table, set away from its default, comes back from the file into its own
// member: a key spelled one way when written and another when read, or two keys on one member,
// would lose a value here.
TEST(SettingsFile, EveryKeyOfTheTableComesBackIntoItsMember) {
    Settings defaults, changed;
    defaults.setProgramFolder(QStringLiteral("/p/"));
    changed.setProgramFolder(QStringLiteral("/p/"));
    for (const SettingsKey& k : settingsKeys()) {
        if (auto text = std::get_if<QString Settings::*>(&k.member))
            changed.** text = QStringLiteral("Wert von ") + QLatin1String(k.key);
        else if (auto flag = std::get_if<bool Settings::*>(&k.member))
            changed.** flag = !(defaults.**flag);
        else if (auto ranged = std::get_if<RangedMember>(&k.member))
            std::visit(
                [&](auto m) {
                    using Value = std::remove_reference_t<decltype(changed.*m)>;
                    changed.*m = Value(defaults.*m == ranged->high ? ranged->low : ranged->high);
                },
                ranged->member);
    }
    IniFile ini;
    storeSettings(ini, changed, PlainSettingsHost{});
    Settings read;
    read.setProgramFolder(QStringLiteral("/p/"));
    PlainSettingsHost host;
    applySettings(ini, read, host);
    for (const SettingsKey& k : settingsKeys()) {
        SCOPED_TRACE(k.key);
        if (auto text = std::get_if<QString Settings::*>(&k.member))
            EXPECT_EQ(read.**text, changed.**text);
        else if (auto flag = std::get_if<bool Settings::*>(&k.member))
            EXPECT_EQ(read.**flag, changed.**flag);
        else if (auto ranged = std::get_if<RangedMember>(&k.member))
            std::visit([&](auto m) { EXPECT_EQ(read.*m, changed.*m); }, ranged->member);
    }
}

TEST(SettingsFile, HandEditedFileKeepsEveryLineItDoesNotOwn) {
    Folder f;
    ASSERT_TRUE(SaveSettings(f.settings, f.host));
    QByteArray edited = readAll(f.ini());
    edited.prepend("; Wetterpult-Einstellungen, von Hand bearbeitet\r\n");
    edited.replace("MyLocator=JO30XN\r\n", "mylocator = JO30XN\r\nAlterSchluessel=42\r\n");
    edited.replace("[Profile]\r\nMaxProfil=0\r\n",
                   "[Profile]\r\nMaxProfil=1\r\nProfil1=Funk\r\n\r\n"
                   "[Funk]\r\n; Profil fuer den Funkverkehr\r\nBetreff=Wetter\r\n\r\n"
                   "[Geloescht]\r\nAbsender=alt\r\n");
    edited += "[Eigenes]\nNotiz=bleibt\n";
    f.load(edited);
    EXPECT_EQ(f.settings.profile(1).Betreff, "Wetter");
    ASSERT_TRUE(SaveSettings(f.settings, f.host));

    // The profile's missing keys are added at the end of its section; nothing else moves.
    QByteArray expected = edited;
    expected.replace("Betreff=Wetter\r\n",
                     "Betreff=Wetter\r\nEmpf\xE4nger=\r\nAbsender=\r\nVOR=nix\r\nNACH=nix\r\n"
                     "WieWinGT=1\r\nUhrzeit=16:57\r\n");
    EXPECT_EQ(readAll(f.ini()), expected);

    f.settings.MyLocator = "JO31AA";
    ASSERT_TRUE(SaveSettings(f.settings, f.host));
    expected.replace("mylocator = JO30XN", "mylocator = JO31AA");
    EXPECT_EQ(readAll(f.ini()), expected);
}

TEST(SettingsFile, FailedSaveShowsTheMessageAndKeepsTheOldFile) {
    Folder f;
    // A program folder that cannot hold a file: its parent is a regular file.
    writeAll(f.dir.filePath("datei"), "x");
    Settings s;
    s.setProgramFolder(f.dir.filePath("datei/ordner"));
    EXPECT_FALSE(SaveSettings(s, f.host));
    EXPECT_EQ(f.notifier.texts(),
              QStringList{"In " + f.dir.path() +
                          "/datei/ordner/wetterpult.ini kann nicht geschrieben werden"});

    // A write that breaks off in the middle (the disk is full) leaves the old file whole.
    const QByteArray old = "[Alles]\r\nMyLocator=JN58TD\r\n";
    writeAll(f.ini(), old);
    f.notifier.messages.clear();
    bool ok = true;
    {
        ScopedFileSizeLimit limit(512);
        ASSERT_TRUE(limit.active());
        ok = SaveSettings(f.settings, f.host);
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(f.notifier.texts(), QStringList{cannotWriteMessage(f.ini())});
    EXPECT_EQ(readAll(f.ini()), old);
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files), (QStringList{"datei", "wetterpult.ini"}));

    // A folder without write permission (only where permissions bind: not for root).
    if (geteuid() != 0) {
        QFile::setPermissions(f.dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(SaveSettings(f.settings, f.host));
        QFile::setPermissions(f.dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(readAll(f.ini()), old);
    }
}

TEST(SettingsFile, MqttKeysSurviveAndAPasswordMakesTheFileTheOwnersAlone) {
    Folder f;
    ASSERT_TRUE(SaveSettings(f.settings, f.host));
    constexpr auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ReadOther | QFileDevice::WriteOther;
    Settings& s = f.settings;
    s.MQTTAktiv = true;
    s.MQTTServer = "broker.lan";
    s.MQTTPort = 8883;
    s.MQTTBenutzer = "wetter";
    s.MQTTPasswort = "geheim";
    s.MQTTTLS = true;
    s.MQTTDiscovery = "";  // no discovery: must not come back as the default
    s.MQTTIntervall = 30;
    ASSERT_TRUE(SaveSettings(s, f.host));
    EXPECT_EQ(QFile::permissions(f.ini()) & others, 0);

    f.load(readAll(f.ini()));
    EXPECT_TRUE(f.settings.MQTTAktiv);
    EXPECT_EQ(f.settings.MQTTServer, "broker.lan");
    EXPECT_EQ(f.settings.MQTTPort, 8883);
    EXPECT_EQ(f.settings.MQTTPasswort, "geheim");
    EXPECT_TRUE(f.settings.MQTTTLS);
    EXPECT_EQ(f.settings.MQTTDiscovery, "");
    EXPECT_EQ(f.settings.MQTTThema, "wetterpult");
    EXPECT_EQ(f.settings.MQTTIntervall, 30);
}
