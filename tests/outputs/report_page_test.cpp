#include "outputs/report_page.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "outputs/output_fixture.h"

namespace {
using ReportPage = OutputTest;

TEST_F(ReportPage, ReadPageMatchesExpectedFile) {
    WriteWeatherReport(context(), 1);
    EXPECT_TRUE(MatchesExpected(ReadBytes(path("Wetter.txt")), "read_page.txt"));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(ReportPage, ProfilePageWithFrostHeatedGaugeAndEndMark) {
    // Negative temperatures, a 17-character recipient, an empty text before the values, stamps
    // without a valid date (no time group, day 0, 31 November), 100 % and a dew point of -12 °C
    // that no hygrometer measures ("--") and the "***END" line.
    station = FrostyNight();
    settings.regnBeheizt = true;
    settings.EOFKennung = true;
    WriteWeatherReport(context(), 2);
    EXPECT_TRUE(MatchesExpected(ReadBytes(path("Winterdienst.txt")), "profile_winter.txt"));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(ReportPage, ProfileBeyondTheTableWithConvertedGauge) {
    // Mode 3 with two profiles: the empty slot gives "_.txt" with empty header fields.
    station.Record.Rain.Rate = 11;
    station.Record.Rain.Total = 1234;
    station.RainLog.clear();  // 55 mm since midnight
    station.RainLog.note(QDateTime(QDate(2026, 12, 7), QTime(1, 0)).toSecsSinceEpoch(), 1179);
    station.RainLog.note(QDateTime(QDate(2026, 12, 7), QTime(2, 0)).toSecsSinceEpoch(), 1234);
    settings.NormalRegen = false;
    WriteWeatherReport(context(), 3);
    EXPECT_TRUE(MatchesExpected(ReadBytes(path("_.txt")), "profile_converted.txt"));
}

TEST_F(ReportPage, HeatedGaugeNoteOnlyForRainBelowFreezing) {
    settings.regnBeheizt = true;
    auto rateLine = [&](int rate, int tenthsC) {
        station.Record.Rain.Rate = std::uint16_t(rate);
        station.Record.OutdoorTemp.Current = tenthsC;
        const QStringList lines =
            BuildReportLines(station, settings, 1, clock.now(), Formats::german());
        return lines.filter(QStringLiteral(" Regenrate ")).value(0);
    };
    const QString note = QStringLiteral("(Beheizter Regenmesser");
    EXPECT_TRUE(rateLine(1, -1).contains(note));
    EXPECT_FALSE(rateLine(0, -50).contains(note));
    EXPECT_FALSE(rateLine(4, 0).contains(note));
    settings.regnBeheizt = false;
    EXPECT_FALSE(rateLine(4, -50).contains(note));

    station.Record.Rain.RateOutOfRange = true;
    EXPECT_EQ(rateLine(4, -50),
              QStringLiteral(" Regenrate                 : Out of Range / Fehler"));
    settings.NormalRegen = false;
    EXPECT_EQ(rateLine(4, -50),
              QStringLiteral(" Regenrate                 : Out of Range / Fehler"));
}

TEST_F(ReportPage, TextsBeforeAndAfterTheValues) {
    settings.profile(1).VOR = QStringList{QStringLiteral("nix")};
    settings.profile(1).NACH = QStringList{};
    const QStringList lines =
        BuildReportLines(station, settings, 1, clock.now(), Formats::german());
    EXPECT_EQ(lines.mid(0, 5), (QStringList{QStringLiteral("Wetter in Musterstadt"), QString(),
                                            QStringLiteral("nix"), QString(), QString()}));
    EXPECT_EQ(lines.mid(lines.size() - 4),
              (QStringList{QStringLiteral("Huger WM918/WX200"), QString(), QString(),
                           QStringLiteral("[Wetterpult 0.2.1b unter Linux]")}));
    // A recipient shorter than 17 characters is filled up with blanks.
    settings.profile(2).Empfaenger = QStringLiteral("ALL");
    EXPECT_EQ(BuildReportLines(station, settings, 2, clock.now(), Formats::german()).first(),
              QStringLiteral("ALL              de:QQ9ZZ 07.12.2026 21:30:05   10        0 Bytes"));
}

TEST_F(ReportPage, ReplacesOnlyWetterTxtOnCaseSensitiveFolders) {
    MakeBlocker(path("wetter.txt"));
    const QByteArray other = ReadBytes(path("wetter.txt"));
    WriteWeatherReport(context(), 1);
    station.Record.OutdoorTemp.Current = 60;
    WriteWeatherReport(context(), 1);
    EXPECT_EQ(ReadBytes(path("wetter.txt")), other);
    EXPECT_TRUE(ReadBytes(path("Wetter.txt")).contains(" Aussentemperatur          : 6.0 Grad  C"));
    QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    files.sort(Qt::CaseSensitive);
    EXPECT_EQ(files, (QStringList{QStringLiteral("Wetter.txt"), QStringLiteral("wetter.txt")}));
}

TEST_F(ReportPage, UnwritableReadFolderIsReportedAndTheProgramGoesOn) {
    MakeBlocker(path("blocker"));
    settings.WinGTRead = path("blocker") + QLatin1Char('/');
    WriteWeatherReport(context(), 1);
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_EQ(notifier.messages[0].caption, QStringLiteral("Read"));
    EXPECT_EQ(notifier.messages[0].text, QStringLiteral("Fehler beim Erstellen der Read-Datei"));
    EXPECT_EQ(notifier.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(notifier.messages[1].caption, QStringLiteral("Import"));
    EXPECT_EQ(notifier.messages[1].text,
              QString::fromUtf8("Fehler beim Einfügen von Daten in die Datei für Profil WX"));
    EXPECT_TRUE(notifier.messages[1].details.startsWith(path("blocker/Wetter.txt") + ": "));

    // The next page goes where it can.
    notifier.messages.clear();
    WriteWeatherReport(context(), 2);
    EXPECT_TRUE(notifier.messages.empty());
    EXPECT_EQ(ReadBytes(path("Winterdienst.txt")).left(17), QByteArray("WETTER@DB0XYZ.DEU"));

    settings.WinGTImport = path("blocker") + QLatin1Char('/');
    WriteWeatherReport(context(), 2);
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_EQ(notifier.messages[0].caption, QStringLiteral("Import"));
    EXPECT_EQ(notifier.messages[0].text,
              QString::fromUtf8("Fehler beim  Erstellen der Datei für Profil Winterdienst"));
    EXPECT_EQ(
        notifier.messages[1].text,
        QString::fromUtf8("Fehler beim Einfügen von Daten in die Datei für Profil Winterdienst"));
}

TEST_F(ReportPage, ProfileNameLeadingOutOfTheImportFolderIsNeverAPath) {
    QDir(dir.path()).mkdir(QStringLiteral("import"));
    settings.WinGTImport = path("import/");
    settings.profile(2).Name = QStringLiteral("../Winterdienst");
    WriteWeatherReport(context(), 2);
    EXPECT_FALSE(QFile::exists(path("Winterdienst.txt")));
    EXPECT_EQ(QDir(path("import")).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("_._Winterdienst.txt")});
    EXPECT_TRUE(notifier.messages.empty());
}

}  // namespace
