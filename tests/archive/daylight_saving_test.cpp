// The changes of daylight-saving time in Europe/Berlin (29 March and 25 October 2026): a replayed
// stream, an imported weather log and the day export lose and double no minute, and every minute
// keeps the UTC offset in force. The spring stream and log come from a clock that is not set
// forward (it shows 02:xx), the autumn ones from a clock set back an hour at 03:00.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <ctime>

#include "archive/archive_queries.h"
#include "archive/csv_export.h"
#include "archive/log_import.h"
#include "archive/minute_collector.h"
#include "base/text_file.h"
#include "outputs/weather_log.h"
#include "station/test_groups.h"

namespace {
constexpr std::int32_t kWinter = 3600, kSummer = 7200;
const QDateTime kSpringChange(QDate(2026, 3, 29), QTime(1, 0), Qt::UTC);
const QDateTime kAutumnChange(QDate(2026, 10, 25), QTime(1, 0), Qt::UTC);

class DaylightSaving : public ::testing::Test {
protected:
    void SetUp() override {
        had_ = qEnvironmentVariableIsSet("TZ");
        old_ = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    void TearDown() override {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool had_ = false;
    QByteArray old_;
};

// The clock as it shows: every `step` minutes from `from` until `until`.
std::vector<QDateTime> shown(const QDate& day, QTime from, QTime until, int step) {
    std::vector<QDateTime> moments;
    for (QTime t = from; t <= until && t.isValid(); t = t.addSecs(step * 60))
        moments.emplace_back(day, t, Qt::UTC);
    return moments;
}
// Spring: the clock runs through the 02:xx hour that does not exist locally.
std::vector<QDateTime> springClock(int step) {
    return shown(QDate(2026, 3, 29), QTime(0, 0), QTime(5, 0), step);
}
// Autumn: the clock goes back from 02:59 to 02:00 at the change.
std::vector<QDateTime> autumnClock(int step) {
    std::vector<QDateTime> moments = shown(QDate(2026, 10, 25), QTime(0, 0), QTime(2, 59), step);
    for (const QDateTime& t : shown(QDate(2026, 10, 25), QTime(2, 0), QTime(4, 0), step))
        moments.push_back(t);
    return moments;
}

// Every row `step` minutes after the one before, from `first`, with the offset of its minute.
void expectUnbroken(const std::vector<MinuteRow>& rows, std::size_t count, const QDateTime& first,
                    const QDateTime& change, std::int32_t before, std::int32_t after, int step) {
    ASSERT_EQ(rows.size(), count);
    EXPECT_EQ(rows.front().minute, first.toSecsSinceEpoch());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) {
            ASSERT_EQ(rows[i].minute - rows[i - 1].minute, step * 60) << "row " << i;
        }
        EXPECT_EQ(rows[i].utcOffset, rows[i].minute < change.toSecsSinceEpoch() ? before : after)
            << "row " << i;
    }
}

// A weather log file of the program's own writer with a line at each moment; the outdoor
// temperature is 10.0 °C but at `odd`, where it is `oddValue`.
QString writeLog(const QString& path, const std::vector<QDateTime>& moments, std::size_t odd,
                 std::int32_t oddValue) {
    StationData station = testing_groups::sampleStation();
    WeatherRecord& record = station.Record;
    QByteArray text = textfile::toWindows1252(WeatherLogHeader()) + "\r\n";
    for (std::size_t i = 0; i < moments.size(); ++i) {
        const QDateTime& t = moments[i];
        record.Clock.Time = {0, std::uint8_t(t.time().minute()), std::uint8_t(t.time().hour()),
                             std::uint8_t(t.date().day()), std::uint8_t(t.date().month())};
        record.OutdoorTemp.Current = i == odd ? oddValue : 100;
        text += textfile::toWindows1252(WeatherLogLine(station, t, Formats::german())) + "\r\n";
    }
    EXPECT_TRUE(textfile::replaceWhole(path, text));
    return path;
}

std::vector<MinuteRow> rowsOf(ArchiveReader& reader) {
    std::vector<MinuteRow> rows;
    reader.forEachMinute(0, std::int64_t(1) << 40, [&](const MinuteRow& r) { rows.push_back(r); });
    return rows;
}
}  // namespace

TEST_F(DaylightSaving, ReplayedStreamKeepsEveryStationMinute) {
    const auto replay = [](const std::vector<QDateTime>& clock) {
        StreamClock stream(QDateTime(QDate(2026, 12, 1), QTime(12, 0)));
        MinuteCollector collector;
        std::vector<MinuteRow> rows;
        WeatherRecord record;
        for (const QDateTime& t : clock) {
            record.Clock.Time = {0, std::uint8_t(t.time().minute()), std::uint8_t(t.time().hour()),
                                 std::uint8_t(t.date().day()), std::uint8_t(t.date().month())};
            if (auto row = collector.groupDecoded(0x8F, record, stream.at(record)))
                rows.push_back(*row);
        }
        rows.push_back(*collector.close({}, true));
        return rows;
    };
    expectUnbroken(replay(springClock(1)), 301, kSpringChange.addSecs(-2 * 3600), kSpringChange,
                   kWinter, kSummer, 1);
    expectUnbroken(replay(autumnClock(1)), 301, kAutumnChange.addSecs(-3 * 3600), kAutumnChange,
                   kSummer, kWinter, 1);
}

TEST_F(DaylightSaving, ImportedLogKeepsEveryLine) {
    QTemporaryDir dir;
    const QStringList files{writeLog(dir.filePath("t29.03.2026.txt"), springClock(10), 0, 0),
                            writeLog(dir.filePath("t25.10.2026.txt"), autumnClock(10), 0, 0)};
    LogImportCounts counts;
    QString error;
    ASSERT_TRUE(LogImport::run(dir.filePath("a.sqlite"), files, &counts, &error));
    EXPECT_EQ(counts.taken, 31 + 31);
    ArchiveReader reader(dir.filePath("a.sqlite"));
    const std::vector<MinuteRow> rows = rowsOf(reader);
    ASSERT_EQ(rows.size(), 62u);
    expectUnbroken({rows.begin(), rows.begin() + 31}, 31, kSpringChange.addSecs(-2 * 3600),
                   kSpringChange, kWinter, kSummer, 10);
    expectUnbroken({rows.begin() + 31, rows.end()}, 31, kAutumnChange.addSecs(-3 * 3600),
                   kAutumnChange, kSummer, kWinter, 10);
}

TEST_F(DaylightSaving, DayExportTimesCarryTheOffsetOfTheirMinute) {
    // The spring day's high at 01:30 standard time, the autumn day's low at 01:40 summer time:
    // the noon offset of those days is the other one.
    QTemporaryDir dir;
    const QStringList files{writeLog(dir.filePath("t29.03.2026.txt"), springClock(10), 9, 300),
                            writeLog(dir.filePath("t25.10.2026.txt"), autumnClock(10), 10, -50)};
    LogImportCounts counts;
    QString error;
    ASSERT_TRUE(LogImport::run(dir.filePath("a.sqlite"), files, &counts, &error));
    ArchiveReader reader(dir.filePath("a.sqlite"));
    QByteArray csv;
    std::int64_t from = 0, to = 0;
    ASSERT_TRUE(exportRange("2026-03-29", "2026-10-25", &from, &to, &error));
    ASSERT_TRUE(exportCsv(reader, from, to, CsvRows::Days, [&](const QByteArray& b) {
        csv += b;
        return true;
    }));
    const QStringList lines = QString::fromUtf8(csv).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith("29.03.2026;30,0;01:30;10,0;00:00;")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("25.10.2026;10,0;00:00;-5,0;01:40;")) << lines[2].toStdString();
}
