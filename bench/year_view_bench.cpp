// The Verlauf window's "Jahr" view as queries, on an archive of one year and on one of ten years
// that end at the same minute: the four records columns (today, month, year, ever), the daily
// values and the rain per day of the last year, the charts' series, and all of the year view's
// queries together. The ten-year figures over the one-year ones say
// whether a year's cost grows with the archive's age.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cmath>
#include <map>

#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "archive/verlauf_series.h"

namespace {
const QTimeZone kZone("Europe/Berlin");
// The year view at noon of New Year's Eve 2025 (local time), the archive's last minute just before.
const QDateTime kNow(QDate(2025, 12, 31), QTime(12, 0), kZone);
const std::int64_t kEnd = kNow.toSecsSinceEpoch();

// A plausible minute i minutes before the end: daily and yearly swings, wind, rain on some days
// (the station's total reset every 400 days).
void bindMinute(QSqlQuery& q, std::int64_t minute, std::int32_t offset) {
    const std::int64_t i = minute / 60;
    const double day = double(i % 1440) / 1440.0, year = double(i % 525960) / 525960.0;
    const int outdoor = int(100 - 100 * std::cos(2 * M_PI * year) - 50 * std::cos(2 * M_PI * day));
    const std::int64_t dayIndex = i / 1440;
    const bool wet = dayIndex % 3 == 0 && i % 1440 > 600 && i % 1440 < 900;
    const int rain = int((dayIndex % 400) * 2 + (wet ? (i % 1440 - 600) / 30 : 0));
    const QVariant values[] = {qint64(minute),
                               offset,
                               0x1F,
                               210 + int(i % 7),
                               outdoor,
                               45,
                               60,
                               9,
                               outdoor / 10 - 4,
                               1000,
                               10130 + int(i / 97 % 200) - 100,
                               int(i * 31 % 360),
                               int(i * 7919 % 150) / 2,
                               int(i * 7919 % 150),
                               int(i * 31 % 360),
                               wet ? 3 : 0,
                               rain};
    for (int k = 0; k < int(std::size(values)); ++k)
        q.bindValue(k, values[k]);
}

// Builds an archive of the last `years` years of minutes: the minutes written straight into
// their table, then the tables built from them by the archive's own migrations (as an archive of
// an older version is brought up to date).
QString buildArchive(int years, const QString& folder) {
    const QString path = folder + QStringLiteral("/%1.sqlite").arg(years);
    QString error;
    openArchive(path, QStringLiteral("fill"), &error);
    {
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("fill"));
        QSqlQuery q(db);
        q.exec(QStringLiteral("DROP TABLE IF EXISTS days"));
        q.exec(QStringLiteral("DROP TABLE hours"));
        q.exec(QStringLiteral("UPDATE schema_version SET version = 2"));
        q.prepare(QStringLiteral(
            "INSERT INTO minutes (minute, utc_offset, groups, indoor_temp, outdoor_temp, "
            "indoor_hum, outdoor_hum, indoor_dew, outdoor_dew, pressure_local, pressure_sea, "
            "gust_dir, avg_speed, minute_gust, minute_gust_dir, rain_rate, rain_total) VALUES "
            "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const std::int64_t first = kNow.addYears(-years).toSecsSinceEpoch() / 60 * 60;
        db.transaction();
        std::int32_t offset = 0;
        for (std::int64_t m = first; m < kEnd; m += 60) {
            if (m % 3600 == 0 || m == first)
                offset = kZone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(m, Qt::UTC));
            bindMinute(q, m, offset);
            q.exec();
        }
        db.commit();
    }
    closeArchive(QStringLiteral("fill"));
    openArchive(path, QStringLiteral("fill"), &error);  // the migrations build the rest
    closeArchive(QStringLiteral("fill"));
    return path;
}

// The archives lie in a temporary folder, or in WETTERPULT_BENCH_ARCHIVES when that is set,
// where they are kept for the next run (to compare two builds on the same files).
const QString& archive(int years) {
    static QTemporaryDir temporary;
    static const QString folder = qEnvironmentVariableIsSet("WETTERPULT_BENCH_ARCHIVES")
                                      ? qEnvironmentVariable("WETTERPULT_BENCH_ARCHIVES")
                                      : temporary.path();
    static std::map<int, QString> paths;
    auto it = paths.find(years);
    if (it == paths.end()) {
        const QString path = folder + QStringLiteral("/%1.sqlite").arg(years);
        it = paths.emplace(years, QFile::exists(path) ? path : buildArchive(years, folder)).first;
    }
    return it->second;
}

const std::vector<Quantity> kChartQuantities = {
    Quantity::OutdoorTemp, Quantity::IndoorTemp,   Quantity::OutdoorDew,  Quantity::IndoorDew,
    Quantity::OutdoorHum,  Quantity::IndoorHum,    Quantity::PressureSea, Quantity::AvgSpeed,
    Quantity::MinuteGust,  Quantity::MinuteGustDir};

std::int64_t yearFrom() {
    return kNow.addYears(-1).toSecsSinceEpoch();
}

void records(ArchiveReader& reader) {
    const QDate today = kNow.date();
    const std::int64_t starts[] = {
        QDateTime(today, QTime(0, 0), kZone).toSecsSinceEpoch(),
        QDateTime(QDate(today.year(), today.month(), 1), QTime(0, 0), kZone).toSecsSinceEpoch(),
        QDateTime(QDate(today.year(), 1, 1), QTime(0, 0), kZone).toSecsSinceEpoch(), 0};
    for (std::int64_t start : starts)
        benchmark::DoNotOptimize(
            reader.records(start, start == 0 ? (std::int64_t(1) << 40) : kEnd + 60));
}
void dailyValues(ArchiveReader& reader) {
    benchmark::DoNotOptimize(reader.dailySummaries(yearFrom(), kEnd));
}
void rainPerDay(ArchiveReader& reader) {
    benchmark::DoNotOptimize(reader.rainPerBucket(yearFrom(), kEnd, 86400));
}
// The charts' series as the window reads them: every quantity in one pass, a point per pixel of
// a plot 1,400 pixels wide, and the rain bars.
void chartSeries(ArchiveReader& reader) {
    VerlaufSeries series;
    series.load(reader, VerlaufRange::endingAt(RangeKind::Year, kNow), kChartQuantities, 1400);
    benchmark::DoNotOptimize(series);
}
void wholeView(ArchiveReader& reader) {
    chartSeries(reader);
    records(reader);
    dailyValues(reader);
}

// Each pass on a fresh connection, as the window opens the archive.
template <void (*Queries)(ArchiveReader&)>
void YearView(benchmark::State& state) {
    const QString& path = archive(int(state.range(0)));
    for (auto _ : state) {
        ArchiveReader reader(path);
        Queries(reader);
    }
}
BENCHMARK(YearView<records>)->Name("Records")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(YearView<dailyValues>)
    ->Name("DailyValues")
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(YearView<rainPerDay>)->Name("RainPerDay")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(YearView<chartSeries>)
    ->Name("ChartSeries")
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(YearView<wholeView>)
    ->Name("WholeYearView")
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
