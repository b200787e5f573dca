// The web page's server on loopback: requests per second of "/api/current" and of a year's
// "/api/series" (every quantity, 1,000 points each) over a simulated year in the archive, and the
// bytes of the page's first load.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "archive/archive_schema.h"
#include "archive/minute_row.h"
#include "base/app_clock.h"
#include "station/group_table.h"
#include "web/web_server.h"

namespace {

const QDateTime kStart(QDate(2025, 1, 1), QTime(0, 0));

struct Served {
    QTemporaryDir dir;
    StationData data;
    Settings settings;
    std::unique_ptr<WebServer> server;
    QTcpSocket client;

    Served() {
        settings.ProgramFolder = dir.path() + "/";
        settings.WebAktiv = true;
        settings.WebPort = 0;
        // A year of minutes with a daily and a yearly swing.
        QString error;
        openArchive(settings.archivePath(), "year", &error);
        {
            QSqlDatabase db = QSqlDatabase::database("year");
            MinuteInsert insert(db);
            db.transaction();
            QSqlError failure;
            for (std::int64_t m = 0; m < 365 * 24 * 60; ++m) {
                MinuteRow row;
                row.minute = kStart.toSecsSinceEpoch() + m * 60;
                row.groups = 0x1F;
                for (int q = 0; q < kQuantityCount; ++q)
                    row[Quantity(q)] = int((m / 7 + q * 13) % 300);
                insert.insert(row, &failure);
            }
            db.commit();
        }
        closeArchive("year");
        server = std::make_unique<WebServer>(data, settings);
        server->apply();
        client.connectToHost(QHostAddress::LocalHost, server->port());
        client.waitForConnected(5000);
    }

    // One keep-alive request; the body's size.
    qint64 fetch(const QByteArray& target) {
        client.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        QByteArray got;
        qint64 length = -1;
        qsizetype end = -1;
        while (true) {
            QCoreApplication::processEvents();
            client.waitForReadyRead(1);
            got += client.readAll();
            if (end < 0 && (end = got.indexOf("\r\n\r\n")) >= 0) {
                const QByteArray head = got.left(end).toLower();
                const qsizetype at = head.indexOf("content-length:");
                length = head.mid(at + 15).split('\r').first().trimmed().toLongLong();
            }
            if (end >= 0 && got.size() - end - 4 >= length)
                return length;
        }
    }
};

Served& served() {
    static Served s;
    return s;
}

void BM_Current(benchmark::State& state) {
    Served& s = served();
    for (auto _ : state)
        benchmark::DoNotOptimize(s.fetch("/api/current"));
}
BENCHMARK(BM_Current)->Unit(benchmark::kMicrosecond);

void BM_YearSeries(benchmark::State& state) {
    Served& s = served();
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = s.fetch("/api/series?from=2025-01-01T00:00:00&to=2026-01-01T00:00:00&points=1000");
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_YearSeries)->Unit(benchmark::kMillisecond);

void BM_FirstLoad(benchmark::State& state) {
    Served& s = served();
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = s.fetch("/") + s.fetch("/app.css") + s.fetch("/app.js") + s.fetch("/chart.js") +
                s.fetch("/api/current") +
                s.fetch("/api/series?from=2025-12-31T00:00:00&to=2026-01-01T00:00:00&points=800") +
                s.fetch("/api/days?from=2025-12-01&to=2025-12-31") + s.fetch("/api/records");
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_FirstLoad)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    FixedClock clock(QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
    ScopedClock scoped(clock);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
