#include "outputs/weather_log.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "outputs/output_fixture.h"

namespace {
using WeatherLog = OutputTest;

TEST_F(WeatherLog, DailyFileGetsTheHeaderOnceThenDataLines) {
    settings.LogOrdner = dir.path();
    WriteWeatherLog(context());  // station clock 21:28:40
    clock.set(QDateTime(QDate(2026, 12, 7), QTime(21, 40, 5)));
    station = FrostyNight();  // no time group: the computer's moment
    WriteWeatherLog(context());
    station = MildEvening();
    station.Record.Clock.Time.Minute = 50;
    station.Record.Clock.Time.Second = 0;
    station.Record.Barometer.Trend = 3;  // no words: the columns keep their widths
    station.Record.Barometer.Forecast = 0;
    WriteWeatherLog(context());
    EXPECT_TRUE(MatchesExpected(ReadBytes(path("t07.12.2026.txt")), "weather_log_day.txt"));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(WeatherLog, HeaderIsTheColumnLine) {
    EXPECT_EQ(WeatherLogHeader(),
              QStringLiteral("   Datum    Uhrzeit  FeuchtO  FeuchtI  TempI  TempO  TaupI  TaupO  "
                             "BaroL   BaroS  Trend           Vorher      Regen  WindS  WindR  "
                             "Chill"));
    EXPECT_EQ(WeatherLogHeader().size(), 136);
    station.Record.OutdoorTemp.Current = -123;
    EXPECT_EQ(WeatherLogLine(station, clock.now(), Formats::german()).mid(46, 7),
              QStringLiteral("  -12.3"));
}

TEST_F(WeatherLog, PathsForEveryRhythmAndFolder) {
    settings.LogOrdner = QStringLiteral("/log");
    const QDate day(2026, 12, 7);
    const Formats& f = Formats::german();
    EXPECT_EQ(WeatherLogPath(settings, day, f), QStringLiteral("/log/t07.12.2026.txt"));
    settings.LogUpdate = 1;
    EXPECT_EQ(WeatherLogPath(settings, day, f), QStringLiteral("/log/w46.2026.txt"));
    settings.LogWochenordner = true;
    settings.LogMonatsordner = true;
    EXPECT_EQ(WeatherLogPath(settings, day, f),
              QStringLiteral("/log/Dezember 2026/Woche 46/w46.2026.txt"));
    settings.LogUpdate = 2;
    settings.LogWochenordner = false;
    EXPECT_EQ(WeatherLogPath(settings, QDate(2026, 3, 1), f),
              QString::fromUtf8("/log/März 2026/März.2026.txt"));
    settings.LogUpdate = 3;
    EXPECT_EQ(WeatherLogPath(settings, day, f), QString());
}

TEST_F(WeatherLog, WeekAndMonthFoldersAreCreated) {
    settings.LogOrdner = path("Log");
    settings.LogUpdate = 1;
    settings.LogWochenordner = true;
    settings.LogMonatsordner = true;
    WriteWeatherLog(context());
    // 31 January and 1 February share week 5 but not the month folder.
    clock.set(QDateTime(QDate(2027, 1, 31), QTime(23, 59)));
    WriteWeatherLog(context());
    clock.set(QDateTime(QDate(2027, 2, 1), QTime(0, 1)));
    WriteWeatherLog(context());
    EXPECT_TRUE(notifier.messages.empty());
    const QList<QByteArray> week46 =
        ReadBytes(path("Log/Dezember 2026/Woche 46/w46.2026.txt")).split('\n');
    EXPECT_EQ(week46.size(), 3);  // header, one line, nothing after the last CR LF
    EXPECT_TRUE(QFile::exists(path("Log/Januar 2027/Woche 5/w5.2027.txt")));
    EXPECT_TRUE(QFile::exists(path("Log/Februar 2027/Woche 5/w5.2027.txt")));
}

TEST_F(WeatherLog, UnwritableFolderIsReportedAndNothingIsWritten) {
    MakeBlocker(path("blocker"));
    settings.LogOrdner = path("blocker");
    settings.LogMonatsordner = true;
    WriteWeatherLog(context());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].caption, QStringLiteral("Wetterlog"));
    EXPECT_EQ(
        notifier.messages[0].text,
        QString::fromUtf8("Fehler beim erstellen oder beim Anhängen von Daten des Wetterlogs"));
    EXPECT_EQ(notifier.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(notifier.messages[0].details,
              path("blocker/Dezember 2026") + ": ein Teil des Pfades ist kein Ordner");

    // A rhythm without a file name writes nothing, not even into the folder itself.
    settings.LogOrdner = path("Log");
    settings.LogMonatsordner = false;
    settings.LogUpdate = 7;
    WriteWeatherLog(context());
    EXPECT_EQ(notifier.messages.size(), 2u);
    EXPECT_FALSE(QFile::exists(path("Log")));

    // The program goes on: the next snapshot with a usable setting is written.
    settings.LogUpdate = 0;
    WriteWeatherLog(context());
    EXPECT_EQ(notifier.messages.size(), 2u);
    EXPECT_TRUE(QFile::exists(path("Log/t07.12.2026.txt")));
}

TEST_F(WeatherLog, FailedAppendIsReported) {
    // The log file of the day is a link to a device that refuses every byte.
    settings.LogOrdner = dir.path();
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path("t07.12.2026.txt")));
    WriteWeatherLog(context());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].caption, QStringLiteral("Wetterlog"));
    EXPECT_EQ(notifier.messages[0].details, path("t07.12.2026.txt") + ": Platte voll");
}

}  // namespace
