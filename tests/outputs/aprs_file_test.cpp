#include "outputs/aprs_file.h"

#include <gtest/gtest.h>

#include <QDir>

#include "outputs/output_fixture.h"
#include "support/qt_printers.h"

namespace {
using AprsFile = OutputTest;

QString weatherLine(const StationData& s, const Settings& settings, const QDateTime& now) {
    return BuildAprsLines(s, settings, now, Formats::german()).value(1);
}

TEST_F(AprsFile, ComputerClockStamp) {
    WriteAprsFile(context());
    EXPECT_TRUE(MatchesExpected(ReadBytes(path("aprs.txt")), "aprs_computer.txt"));
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
    EXPECT_TRUE(MatchesExpected(ReadBytes(path("wx/aprs-wetter.txt")), "aprs_station_winter.txt"));
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

// Minutes of 07.12.2026 as UTC seconds, for the rain history.
std::int64_t at(int day, int hour, int minute) {
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute)).toSecsSinceEpoch();
}

TEST_F(AprsFile, RainOfTheLastHourSinceMidnightAndOfTheLast24Hours) {
    // A crafted day: 20 mm yesterday evening, a reset of the console's total at 09:00 (the 7 mm
    // it shows after the fall are new rain), 4 mm within the last hour.
    RainHistory& log = station.RainLog;
    log.clear();
    log.note(at(6, 20, 0), 100);
    log.note(at(6, 23, 0), 120);
    log.note(at(7, 1, 0), 125);
    log.note(at(7, 8, 59), 130);
    log.note(at(7, 9, 0), 7);
    log.note(at(7, 20, 25), 11);
    log.note(at(7, 21, 10), 15);
    // last hour 4 mm, since midnight 5 + 5 + 7 + 4 + 4 = 25 mm, 24 hours 20 + 25 = 45 mm
    EXPECT_EQ(weatherLine(station, settings, clock.now()),
              QStringLiteral("225/008g018t042h81b10132r016P098p177m/wolkig"));
    settings.NormalRegen = false;  // the rebuilt gauge: counts divided by 5.5225
    EXPECT_EQ(weatherLine(station, settings, clock.now()),
              QStringLiteral("225/008g018t042h81b10132r003P018p032m/wolkig"));
    station.Record.Barometer.Forecast = 3;
    EXPECT_TRUE(weatherLine(station, settings, clock.now()).endsWith(QStringLiteral("p032m/")));
    station.Record.Barometer.Forecast = 4;
    EXPECT_TRUE(
        weatherLine(station, settings, clock.now()).endsWith(QString::fromUtf8("m/bewölkt")));
}

TEST_F(AprsFile, NoRainGroupYetGivesDotsNotZeros) {
    station.RainLog.clear();
    EXPECT_TRUE(weatherLine(station, settings, clock.now()).endsWith("r...P...p...m/wolkig"));
    // Before any group at all ("JETZT" right after the start) every field is unknown.
    EXPECT_EQ(weatherLine(StationData{}, settings, clock.now()),
              QStringLiteral(".../...g...t...h..b.....r...P...p...m/"));
}

TEST_F(AprsFile, RainInHundredthsOfAnInchUpToWhatThreeFiguresHold) {
    // 25.4 mm to the inch; four figures would shift every field behind them.
    const std::pair<std::int32_t, QString> cases[] = {
        {0, "000"}, {127, "500"}, {250, "984"}, {9999, "999"}};
    for (const auto& [mm, figures] : cases) {
        station.RainLog.clear();
        station.RainLog.note(at(7, 21, 0), 0);
        station.RainLog.note(at(7, 21, 1), mm);
        EXPECT_TRUE(weatherLine(station, settings, clock.now())
                        .endsWith("r" + figures + "P" + figures + "p" + figures + "m/wolkig"))
            << mm;
    }
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
