// The archive's costs: ten years of minutes inserted (rows per second, file size per year), the
// reduced year series and the daily summaries of a year each from a fresh connection, and the live
// path of one minute (the hand-over on the calling thread, and the worker's transaction).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <cmath>

#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "archive/archive_writer.h"

namespace {
constexpr std::int64_t kYearMinutes = 365 * 24 * 60 + 6 * 60;  // 525,960
constexpr int kYears = 10;
const std::int64_t kFirst = QDateTime(QDate(2016, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}
QString archivePath() {
    return folder().path() + "/wetterpult.sqlite";
}

// A plausible minute: daily and yearly temperature swings, wind, a rain total that rises.
MinuteRow minuteRow(std::int64_t i) {
    const double day = double(i % 1440) / 1440.0, year = double(i % kYearMinutes) / kYearMinutes;
    MinuteRow r;
    r.minute = kFirst + i * 60;
    r.utcOffset = 3600;
    r.groups = 0x1F;
    const int outdoor = int(100 - 100 * std::cos(2 * M_PI * year) - 50 * std::cos(2 * M_PI * day));
    r[Quantity::OutdoorTemp] = outdoor;
    r[Quantity::IndoorTemp] = 210 + int(i % 7);
    r[Quantity::OutdoorHum] = 60 + int(20 * std::cos(2 * M_PI * day));
    r[Quantity::IndoorHum] = 45;
    r[Quantity::OutdoorDew] = outdoor / 10 - 4;
    r[Quantity::IndoorDew] = 9;
    r[Quantity::PressureLocal] = 1000 + int(i / 1440 % 20);
    r[Quantity::PressureSea] = 10130 + int(i / 97 % 200) - 100;
    r[Quantity::GustSpeed] = int(i * 7919 % 150);
    r[Quantity::GustDir] = int(i * 31 % 360);
    r[Quantity::AvgSpeed] = int(i * 7919 % 150) / 2;
    r[Quantity::AvgDir] = int(i * 31 % 360);
    r[Quantity::MinuteGust] = r[Quantity::GustSpeed];
    r[Quantity::MinuteGustDir] = r[Quantity::GustDir];
    r[Quantity::Windchill] = outdoor / 10 - 1;
    r[Quantity::RainRate] = i % 1440 < 30 ? 3 : 0;
    r[Quantity::RainTotal] = int(i / 1440 % 9999);
    return r;
}

void InsertTenYears(benchmark::State& state) {
    for (auto _ : state) {
        QFile::remove(archivePath());
        QString error;
        openArchive(archivePath(), "bench-fill", &error);
        {
            QSqlDatabase db = QSqlDatabase::database("bench-fill");
            MinuteInsert insert(db);
            QSqlError failure;
            const std::int64_t rows = kYears * kYearMinutes;
            db.transaction();
            for (std::int64_t i = 0; i < rows; ++i) {
                insert.insert(minuteRow(i), &failure);
                if (i % 2000 == 1999) {  // as the log import does
                    db.commit();
                    db.transaction();
                }
            }
            db.commit();
        }
        closeArchive("bench-fill");
        state.counters["rows_per_s"] =
            benchmark::Counter(double(kYears * kYearMinutes), benchmark::Counter::kIsRate);
        state.counters["MB_per_year"] =
            double(QFileInfo(archivePath()).size()) / kYears / (1024.0 * 1024.0);
    }
}
BENCHMARK(InsertTenYears)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

const std::int64_t kLastYear = kFirst + (kYears - 1) * kYearMinutes * 60;

void ReducedYearSeries(benchmark::State& state) {
    for (auto _ : state) {
        ArchiveReader reader(archivePath());  // a fresh connection: nothing cached by SQLite
        auto points = reader.reducedSeries(Quantity::OutdoorTemp, kLastYear,
                                           kLastYear + kYearMinutes * 60, 2000);
        benchmark::DoNotOptimize(points);
        state.counters["points"] = double(points.size());
    }
}
BENCHMARK(ReducedYearSeries)->Unit(benchmark::kMillisecond)->UseRealTime();

void DailySummariesOfAYear(benchmark::State& state) {
    for (auto _ : state) {
        ArchiveReader reader(archivePath());
        auto days = reader.dailySummaries(kLastYear, kLastYear + kYearMinutes * 60);
        benchmark::DoNotOptimize(days);
        state.counters["days"] = double(days.size());
    }
}
BENCHMARK(DailySummariesOfAYear)->Unit(benchmark::kMillisecond)->UseRealTime();

// The live path: one row per minute handed over, the worker writing it in its own transaction.
// `handover_max_us` is the longest the calling (user-interface) thread was held; `core_share_pct`
// is the worker's time for one minute's row over the sixty seconds of that minute.
void LiveMinute(benchmark::State& state) {
    ArchiveWriter writer(archivePath(), 30000);
    std::int64_t i = kYears * kYearMinutes;
    qint64 longestHandoverNs = 0;
    QElapsedTimer all;
    all.start();
    for (auto _ : state) {
        QElapsedTimer handover;
        handover.start();
        writer.submit(minuteRow(i++));
        longestHandoverNs = std::max(longestHandoverNs, handover.nsecsElapsed());
        writer.flush();
    }
    const double perRowSeconds = double(all.nsecsElapsed()) / 1e9 / double(state.iterations());
    state.counters["handover_max_us"] = double(longestHandoverNs) / 1000.0;
    state.counters["core_share_pct"] = perRowSeconds / 60.0 * 100.0;
}
BENCHMARK(LiveMinute)->Unit(benchmark::kMicrosecond)->UseRealTime();
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
