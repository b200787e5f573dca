// Throughput of the serial road (group scanner, group check, decoders) over 10 MB of valid groups,
// fed in 1-byte chunks (a port delivering byte by byte) and in 4 KiB chunks. The counters tell
// how many groups passed and how many candidates failed per pass over the stream.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <random>

#include "station/group_table.h"
#include "station/serial_road.h"

namespace {

// Rounds of all five groups with random decimal digits in every body byte and a right checksum,
// as a console sends them, until the stream holds 10 MB.
const QByteArray& stream() {
    static const QByteArray bytes = [] {
        constexpr qsizetype kSize = 10 * 1000 * 1000;
        std::mt19937 rng(2024);
        QByteArray out;
        out.reserve(kSize + 200);
        while (out.size() < kSize) {
            for (const GroupInfo& g : kGroups) {
                std::uint8_t sum = g.groupByte;
                out.append(static_cast<char>(g.groupByte));
                for (std::size_t i = 0; i + 1 < g.bodySize; ++i) {
                    const auto b = static_cast<std::uint8_t>((rng() % 10) << 4 | (rng() % 10));
                    sum = static_cast<std::uint8_t>(sum + b);
                    out.append(static_cast<char>(b));
                }
                out.append(static_cast<char>(sum));
            }
        }
        return out;
    }();
    return bytes;
}

void SerialRoadThroughput(benchmark::State& state) {
    const QByteArray& bytes = stream();
    const auto chunk = static_cast<qsizetype>(state.range(0));
    StationData data;
    SerialRoad road(data);
    std::int64_t good = 0;
    std::int64_t bad = 0;
    road.onChecked = [&](const GroupCheckResult& r) { ++(r.ok ? good : bad); };
    for (auto _ : state) {
        const QByteArrayView view(bytes);
        for (qsizetype i = 0; i < view.size(); i += chunk)
            road.feed(view.sliced(i, std::min(chunk, view.size() - i)));
        benchmark::DoNotOptimize(data.Record);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["good_groups"] = static_cast<double>(good) / double(state.iterations());
    state.counters["bad_groups"] = static_cast<double>(bad) / double(state.iterations());
}

}  // namespace

BENCHMARK(SerialRoadThroughput)->Arg(1)->Arg(4096)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
