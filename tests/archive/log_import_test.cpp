// The import of weather-log files as the program's own log writer writes them: day, week and
// month files in their folders, a damaged line skipped and counted, and a second import that adds
// nothing. And an import killed in the middle leaves a sound archive.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <csignal>

#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "archive/log_import.h"
#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/text_file.h"
#include "outputs/weather_log.h"
#include "station/test_groups.h"
#include "support/wait.h"

namespace {
// Writes `lines` log lines a minute apart from `start` with the program's writer.
void writeLog(const QString& folder, std::uint8_t rhythm, const QDateTime& start, int lines) {
    FixedClock clock(start);
    ScopedClock scope(clock);
    StationData data;
    data.Record = testing_groups::sampleRecord();
    data.GroupArrivedMs.fill(start.toMSecsSinceEpoch());
    Settings settings;
    settings.setProgramFolder(folder);
    settings.LogUpdate = rhythm;
    settings.LogMonatsordner = rhythm == 2;
    AsynopState asynop;
    for (int i = 0; i < lines; ++i) {
        const QDateTime at = start.addSecs(60 * i);
        clock.set(at);
        StationTime& t = data.Record.Clock.Time;
        t = {std::uint8_t(at.time().second()), std::uint8_t(at.time().minute()),
             std::uint8_t(at.time().hour()), std::uint8_t(at.date().day()),
             std::uint8_t(at.date().month())};
        data.Record.OutdoorTemp.Current = -50 + i;
        data.Record.Wind.GustSpeed = i == 1 ? 999 : 30;  // beyond what the console measures
        WriteWeatherLog(OutputContext{data, settings, asynop});
    }
}
}  // namespace

TEST(LogImport, OwnDayWeekAndMonthFilesOnceWithADamagedLine) {
    RecordingNotifier notifier;
    ScopedNotifier notifierScope(notifier);
    QTemporaryDir logs, program;
    const int year = AppClock::currentDateTime().date().year();  // the log's year is the computer's
    writeLog(logs.path() + "/", 0, QDateTime(QDate(year, 3, 2), QTime(9, 0)), 3);
    writeLog(logs.path() + "/", 1, QDateTime(QDate(year, 3, 10), QTime(18, 30)), 4);
    writeLog(logs.path() + "/", 2, QDateTime(QDate(year, 4, 1), QTime(0, 0)), 5);
    ASSERT_TRUE(notifier.messages.empty());
    const QStringList files = logImportFiles({logs.path()});
    ASSERT_EQ(files.size(), 3) << files.join(' ').toStdString();
    ASSERT_TRUE(textfile::append(files[0], "02.03.20xx  09:59:00   damaged\r\n"));

    const QString archive = program.path() + "/wetterpult.sqlite";
    LogImportCounts first;
    QString error;
    ASSERT_TRUE(LogImport::run(archive, files, &first, &error)) << error.toStdString();
    EXPECT_EQ(first.taken, 12);
    EXPECT_EQ(first.skipped, 1);
    EXPECT_EQ(logImportSummary(first), QString::fromUtf8("12 Zeilen übernommen, 1 übersprungen"));
    EXPECT_EQ(logImportSummary({1, 0, 0, 1}),
              QString::fromUtf8("1 Zeile übernommen, 0 übersprungen"));

    LogImportCounts second;
    ASSERT_TRUE(LogImport::run(archive, files, &second, &error));
    EXPECT_EQ(second.taken, 0);
    EXPECT_EQ(second.present, 12);

    std::vector<MinuteRow> rows;
    ArchiveReader reader(archive);
    reader.forEachMinute(0, std::int64_t(1) << 40, [&](const MinuteRow& r) { rows.push_back(r); });
    ASSERT_EQ(rows.size(), 12u);
    const QDateTime first9 = QDateTime(QDate(year, 3, 2), QTime(9, 0));
    EXPECT_EQ(rows[0].minute, first9.toSecsSinceEpoch());
    EXPECT_EQ(rows[0][Quantity::OutdoorTemp], -50);
    EXPECT_EQ(rows[1][Quantity::OutdoorTemp], -49);
    EXPECT_FALSE(rows[1][Quantity::GustSpeed].has_value());  // the writer left the field blank
    EXPECT_EQ(rows[0][Quantity::PressureSea], testing_groups::sampleRecord().Barometer.SeaLevel);
    EXPECT_EQ(rows[0].groups, 0x1F);
}

TEST(LogImport, KilledWhileWritingLeavesASoundArchive) {
    QTemporaryDir logs, program;
    const QString line =
        WeatherLogLine(testing_groups::sampleStation(), QDateTime(QDate(2020, 1, 1), QTime(0, 0)),
                       Formats::german());
    // Forty day files of a full day each: long enough to be killed in the middle.
    for (int d = 0; d < 40; ++d) {
        const QDate day = QDate(2020, 1, 1).addDays(d);
        QStringList lines{WeatherLogHeader()};
        for (int m = 0; m < 1440; ++m)
            lines << Formats::german().shortDate(day) +
                         QTime(0, 0).addSecs(60 * m).toString(" HH:mm:ss").rightJustified(11) +
                         line.mid(21);
        ASSERT_TRUE(
            textfile::replaceWhole(logs.path() + "/t" + Formats::german().shortDate(day) + ".txt",
                                   textfile::crlfLines(lines)));
    }
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(WETTERPULT_BIN_DIR "/src/app/wetterpult",
                {"--headless", "--folder", program.path(), "--import-log", logs.path()});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray progress;
    ASSERT_TRUE(waitUntil(
        [&] {
            progress += child.readAllStandardError();
            return progress.contains("(Datei 6 von 40");
        },
        60000));
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();

    QString error;
    ASSERT_TRUE(openArchive(program.path() + "/wetterpult.sqlite", "killed", &error))
        << error.toStdString();
    {
        QSqlDatabase db = QSqlDatabase::database("killed");
        QSqlQuery check(db);
        ASSERT_TRUE(check.exec("PRAGMA integrity_check") && check.next());
        EXPECT_EQ(check.value(0).toString(), "ok");
        QSqlQuery count(db);
        ASSERT_TRUE(count.exec("SELECT COUNT(*) FROM minutes") && count.next());
        EXPECT_GE(count.value(0).toInt(), 5 * 1440);
    }
    closeArchive("killed");
}

TEST(LogImport, CommandLineImportThenCsvExport) {
    QTemporaryDir logs, program;
    const int year = AppClock::currentDateTime().date().year();
    writeLog(logs.path() + "/", 0, QDateTime(QDate(year, 3, 2), QTime(9, 0)), 3);
    const QString wetterpult = WETTERPULT_BIN_DIR "/src/app/wetterpult";
    const auto run = [&](const QStringList& arguments) {
        QProcess p;
        p.start(wetterpult, QStringList{"--headless", "--folder", program.path()} + arguments);
        p.waitForFinished(60000);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return p.readAllStandardOutput();
    };
    EXPECT_EQ(run({"--import-log", logs.path()}),
              QString::fromUtf8("3 Zeilen übernommen, 0 übersprungen\n").toUtf8());

    const QString day = QDate(year, 3, 2).toString("dd.MM.yyyy");
    const QStringList minutes =
        QString::fromUtf8(run({"--export-csv", day, day})).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(minutes.size(), 4);
    EXPECT_TRUE(minutes[0].startsWith(QString::fromUtf8("\uFEFFZeit;Temperatur innen °C;")));
    const WeatherRecord r = testing_groups::sampleRecord();
    const QStringList first = minutes[1].split(';');
    ASSERT_EQ(first.size(), 18);
    EXPECT_EQ(first[0], day + " 09:00");
    EXPECT_EQ(first[1], Formats::german().fixed(r.IndoorTemp.Current, 1));
    EXPECT_EQ(first[2], "-5,0");  // the outdoor temperature the log held
    EXPECT_EQ(first[8], Formats::german().fixed(r.Barometer.SeaLevel, 1));
    EXPECT_EQ(first[17], "");  // the log has no rain total

    const QStringList days = QString::fromUtf8(run({"--export-csv", day, day, "--days"}))
                                 .split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(days.size(), 2);
    EXPECT_TRUE(days[1].startsWith(day + ";-4,8;09:02;-5,0;09:00;")) << days[1].toStdString();
}
