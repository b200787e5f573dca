#include "outputs/aprs_file.h"

#include <gtest/gtest.h>

#include <QDir>

#include "outputs/output_fixture.h"

namespace {
using AprsFile = OutputTest;

QString weatherLine(const StationData& s, const Settings& settings, const QDateTime& now) {
    return BuildAprsLines(s, settings, now, Formats::german()).value(1);
}

TEST_F(AprsFile, ComputerClockStamp) {
    WriteAprsFile(context());
    EXPECT_EQ(ReadBytes(path("aprs.txt")), Expected("aprs_computer.txt"));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(AprsFile, FrostFullHumidityLowPressureAndStrongGusts) {
    // -20.6 °C is "t-05", 100 % (beyond the hygrometer's 97 %) is "h..", 998.5 mb is "b09985", a
    // 30.0 m/s minute is "g067"; the station clock is asked for but has not arrived, so the
    // computer's clock stamps the file.
    station = FrostyNight();
    settings.APRSRechnerZeit = false;
    settings.APRSDatei = path("wx/aprs-wetter.txt");
    QDir(dir.path()).mkdir(QStringLiteral("wx"));
    WriteAprsFile(context());
    EXPECT_EQ(ReadBytes(path("wx/aprs-wetter.txt")), Expected("aprs_station_winter.txt"));
}

TEST_F(AprsFile, StationClockStamp) {
    settings.APRSRechnerZeit = false;
    EXPECT_EQ(BuildAprsLines(station, settings, clock.now(), Formats::german()).value(0),
              QStringLiteral("Dez 07 2026 21:28"));
}

TEST_F(AprsFile, GustCountsTheMinuteInProgress) {
    station.WindMaxRing = {};  // just started: no minute completed yet
    station.Record.MinuteWindMax = 400;
    EXPECT_TRUE(
        weatherLine(station, settings, clock.now()).startsWith(QStringLiteral("225/008g089t")));
}

TEST_F(AprsFile, RainFields) {
    station.Record.Rain.Rate = 11;
    station.Record.Rain.Yesterday = 55;
    station.Rain24h = 127;
    EXPECT_EQ(weatherLine(station, settings, clock.now()),
              QStringLiteral("225/008g018t042h81b10132r043P217p500m/wolkig"));
    settings.NormalRegen = false;  // the rebuilt gauge: counts divided by 5.5225
    EXPECT_EQ(weatherLine(station, settings, clock.now()),
              QStringLiteral("225/008g018t042h81b10132r008P039p091m/wolkig"));
    station.Record.Rain.RateOutOfRange = true;
    EXPECT_EQ(weatherLine(station, settings, clock.now()),
              QStringLiteral("225/008g018t042h81b10132r000P039p091m/wolkig"));
    station.Record.Barometer.Forecast = 3;
    EXPECT_TRUE(weatherLine(station, settings, clock.now()).endsWith(QStringLiteral("p091m/")));
    station.Record.Barometer.Forecast = 4;
    EXPECT_TRUE(
        weatherLine(station, settings, clock.now()).endsWith(QString::fromUtf8("m/bewölkt")));
}

TEST_F(AprsFile, RainInHundredthsOfAnInchUpToWhatThreeFiguresHold) {
    // 25.4 mm to the inch; four figures would shift every field behind them.
    const std::pair<std::uint16_t, QString> cases[] = {
        {0, "000"}, {127, "500"}, {250, "984"}, {9999, "999"}};
    for (const auto& [mm, figures] : cases) {
        station.Record.Rain.Yesterday = mm;
        station.Rain24h = mm;
        EXPECT_TRUE(weatherLine(station, settings, clock.now())
                        .endsWith("P" + figures + "p" + figures + "m/wolkig"))
            << mm;
    }
    station.Record.Rain.Rate = 998;  // the most the gauge measures: 39.29 inches an hour
    EXPECT_TRUE(weatherLine(station, settings, clock.now()).contains("r999P"));
}

TEST_F(AprsFile, UnwritableFileIsReportedAndTheOldFileStays) {
    WriteAprsFile(context());
    const QByteArray before = ReadBytes(path("aprs.txt"));
    MakeBlocker(path("blocker"));
    settings.APRSDatei = path("blocker/aprs.txt");
    WriteAprsFile(context());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].caption, QStringLiteral("APRS"));
    EXPECT_EQ(notifier.messages[0].text, QStringLiteral("Fehler beim Erstellen der APRS-Datei"));
    EXPECT_TRUE(notifier.messages[0].details.startsWith(path("blocker/aprs.txt") + ": "));
    EXPECT_EQ(ReadBytes(path("aprs.txt")), before);
}

}  // namespace
