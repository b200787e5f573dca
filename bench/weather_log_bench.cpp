// Appending a weather-log line costs the same whatever the size of the log file: the writer looks
// at the folder entry and appends, it never reads or rewrites the file. Compared here for an empty
// log and a log of 100 MB.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "config/settings.h"
#include "outputs/weather_log.h"

namespace {
void fillLog(const QString& path, qint64 bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QByteArray line =
        "07.12.2026   21:28:40       81       45   21.5    5.3      9      2   1008  1013.2  "
        "gleichbleibend  bewolkt         0    3.4    225      3\r\n";
    QByteArray block;
    while (block.size() < (1 << 20))
        block += line;
    for (qint64 written = 0; written < bytes; written += block.size())
        file.write(block);
}

void BM_AppendLogLine(benchmark::State& state) {
    QTemporaryDir dir;
    FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(21, 30, 5)));
    ScopedClock scopedClock(clock);
    RecordingNotifier notifier;
    ScopedNotifier scopedNotifier(notifier);
    StationData station;
    station.Record.Clock.Time = StationTime{40, 28, 21, 7, 12};
    Settings settings;
    settings.setProgramFolder(dir.path());
    AsynopState asynop;
    const OutputContext context{station, settings, asynop};

    const QString logFile = dir.filePath(QStringLiteral("t07.12.2026.txt"));
    fillLog(logFile, state.range(0) * (qint64(1) << 20));
    const qint64 before = QFile(logFile).size();
    for (auto _ : state)
        WriteWeatherLog(context);
    if (!notifier.messages.empty())
        state.SkipWithError("Wetterlog konnte nicht schreiben");
    state.counters["MB_vorher"] = double(before) / double(1 << 20);
}
BENCHMARK(BM_AppendLogLine)->Arg(0)->Arg(100)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
