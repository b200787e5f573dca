// The archive's care at its real size: the yearly climate report from a year of minutes, and the
// backup of a ten-year archive (about 300 MB) while the writer goes on, with the longest time the
// writer then needed for one minute's row beside its longest without a backup (`pause_*_ms`).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <atomic>
#include <cmath>
#include <numbers>
#include <thread>

#include "archive/archive_backup.h"
#include "archive/archive_marks.h"
#include "archive/archive_queries.h"
#include "archive/archive_schema.h"
#include "archive/archive_writer.h"
#include "archive/climate_report.h"

namespace {
constexpr std::int64_t kYearMinutes = 365 * 24 * 60;
constexpr int kYears = 10;
const std::int64_t kFirst = QDateTime(QDate(2016, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}
QString archivePath() {
    return folder().path() + "/wetterpult.sqlite";
}

MinuteRow minuteRow(std::int64_t i) {
    constexpr double pi = std::numbers::pi;
    const double day = double(i % 1440) / 1440.0, year = double(i % kYearMinutes) / kYearMinutes;
    MinuteRow r;
    r.minute = kFirst + i * 60;
    r.utcOffset = 3600;
    r.groups = 0x1F;
    const int outdoor = int(100 - 100 * std::cos(2 * pi * year) - 50 * std::cos(2 * pi * day));
    r[Quantity::OutdoorTemp] = outdoor;
    r[Quantity::IndoorTemp] = 210 + int(i % 7);
    r[Quantity::OutdoorHum] = 60 + int(20 * std::cos(2 * pi * day));
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

// Ten years of minutes straight into the minute table, then the hours and days built from them
// in one pass each (the path a mark takes), far quicker than the live path row by row.
void fillTenYears() {
    static bool done = false;
    if (done)
        return;
    done = true;
    QString error;
    openArchive(archivePath(), "bench-fill", &error);
    {
        QSqlDatabase db = QSqlDatabase::database("bench-fill");
        QString columns = QStringLiteral("minute, utc_offset, groups"), marks = "?, ?, ?";
        for (int q = 0; q < kQuantityCount; ++q) {
            columns += QStringLiteral(", ") + QLatin1String(quantityColumn(Quantity(q)));
            marks += QStringLiteral(", ?");
        }
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO minutes (%1) VALUES (%2)").arg(columns, marks));
        db.transaction();
        for (std::int64_t i = 0; i < kYears * kYearMinutes; ++i) {
            const MinuteRow r = minuteRow(i);
            insert.bindValue(0, qint64(r.minute));
            insert.bindValue(1, r.utcOffset);
            insert.bindValue(2, int(r.groups));
            for (int q = 0; q < kQuantityCount; ++q)
                insert.bindValue(3 + q, *r.values[std::size_t(q)]);
            insert.exec();
        }
        db.commit();
        QSqlError failure;
        setMarked(db, {}, kFirst, kFirst + kYears * kYearMinutes * 60, false, &failure);
    }
    closeArchive("bench-fill");
}

void YearlyReport(benchmark::State& state) {
    fillTenYears();
    for (auto _ : state) {
        ArchiveReader reader(archivePath());  // a fresh connection: nothing cached by SQLite
        const QStringList text = climateReportText(reader, climateReport(reader, 2025, 0));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(YearlyReport)->Unit(benchmark::kMillisecond)->UseRealTime();

// The writer takes a row and writes it at once, again and again, on a thread of its own; the
// longest of these writes is its pause.
class BusyWriter {
public:
    BusyWriter() : writer_(archivePath()) {
        thread_ = std::thread([this] {
            std::int64_t i = kYears * kYearMinutes + next_.fetch_add(100000);
            while (!stop_) {
                QElapsedTimer t;
                t.start();
                writer_.submit(minuteRow(i++));
                writer_.flush();
                longestNs_ = std::max(longestNs_.load(), t.nsecsElapsed());
                ++rows_;
            }
        });
    }
    ~BusyWriter() {
        stop_ = true;
        thread_.join();
    }
    double longestMs() const { return double(longestNs_) / 1e6; }
    int rows() const { return rows_; }

private:
    static inline std::atomic<std::int64_t> next_{0};
    ArchiveWriter writer_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<qint64> longestNs_{0};
    std::atomic<int> rows_{0};
};

void BackupTenYears(benchmark::State& state) {
    fillTenYears();
    double baseline = 0;
    {
        BusyWriter alone;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 3000)
            std::this_thread::yield();
        baseline = alone.longestMs();
    }
    for (auto _ : state) {
        BusyWriter writer;
        QString copy, error;
        if (!backupArchive(archivePath(), QDate(2026, 1, 1), &copy, &error))
            state.SkipWithError(error.toUtf8().constData());
        state.counters["MB"] = double(QFileInfo(copy).size()) / (1024.0 * 1024.0);
        state.counters["pause_with_backup_ms"] = writer.longestMs();
        state.counters["pause_without_ms"] = baseline;
        state.counters["rows_written_meanwhile"] = writer.rows();
    }
}
BENCHMARK(BackupTenYears)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
