// The "Verlauf" window drawing a year of minutes from a fresh connection: the queries of five
// charts, the records and the daily values, and one paint of the window (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <cmath>

#include "archive/archive_schema.h"
#include "archive/ui/verlauf_window.h"
#include "base/app_clock.h"

namespace {
const QDateTime kEnd(QDate(2026, 1, 1), QTime(0, 0));

QString yearArchive(QTemporaryDir& dir) {
    const QString path = dir.path() + "/wetterpult.sqlite";
    QString error;
    openArchive(path, "year", &error);
    {
        QSqlDatabase db = QSqlDatabase::database("year");
        MinuteInsert insert(db);
        QSqlError failure;
        db.transaction();
        const std::int64_t last = kEnd.toSecsSinceEpoch();
        for (std::int64_t i = 0; i < 366 * 1440; ++i) {
            MinuteRow r;
            r.minute = last - i * 60;
            r.groups = 0x1F;
            const double day = double(i % 1440) / 1440.0;
            r[Quantity::OutdoorTemp] = int(100 + 80 * std::sin(2 * M_PI * day) + i % 13);
            r[Quantity::IndoorTemp] = 210;
            r[Quantity::OutdoorDew] = 5;
            r[Quantity::IndoorDew] = 9;
            r[Quantity::OutdoorHum] = int(60 + 20 * std::cos(2 * M_PI * day));
            r[Quantity::IndoorHum] = 45;
            r[Quantity::PressureSea] = int(10130 + i / 97 % 200);
            r[Quantity::AvgSpeed] = int(i * 7919 % 90);
            r[Quantity::MinuteGust] = int(i * 7919 % 150);
            r[Quantity::MinuteGustDir] = int(i * 31 % 360);
            r[Quantity::RainTotal] = int(500 - i / 1440);
            insert.insert(r, &failure);
        }
        db.commit();
    }
    closeArchive("year");
    return path;
}

void VerlaufYear(benchmark::State& state) {
    static QTemporaryDir dir;
    static const QString path = yearArchive(dir);
    FixedClock clock(kEnd);
    ScopedClock scope(clock);
    VerlaufWindow window;
    window.resize(1400, 1000);
    window.show();
    window.findChild<QPushButton*>("Jahr")->click();
    for (auto _ : state) {
        window.setArchive(path);  // a fresh connection, then the year's charts, records, days
        benchmark::DoNotOptimize(window.grab());  // and one paint of it all
    }
}
BENCHMARK(VerlaufYear)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Following now: a new minute taken in (the range's two ends read again, the points replaced)
// and one paint, against VerlaufYear's whole reload; for the year and for the 24 hours the
// window opens with.
void NextMinute(benchmark::State& state, const char* button) {
    static QTemporaryDir dir;
    static const QString path = yearArchive(dir);
    FixedClock clock(kEnd);
    ScopedClock scope(clock);
    VerlaufWindow window;
    window.resize(1400, 1000);
    window.show();
    window.setArchive(path);
    window.findChild<QPushButton*>(button)->click();
    for (auto _ : state) {
        window.minuteWritten(kEnd.toSecsSinceEpoch());
        QCoreApplication::processEvents();  // the charts' layouts and their alignment
        benchmark::DoNotOptimize(window.grab());
    }
}
void VerlaufYearNextMinute(benchmark::State& state) {
    NextMinute(state, "Jahr");
}
BENCHMARK(VerlaufYearNextMinute)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
void VerlaufDayNextMinute(benchmark::State& state) {
    NextMinute(state, "24 Stunden");
}
BENCHMARK(VerlaufDayNextMinute)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
