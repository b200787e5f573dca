// What wetterpult-decode does per byte: the serial road fed as the tool feeds it (one byte per
// chunk unless told otherwise) and one JSON line per framed group, over 4 MB of valid groups.
// Bytes per second are of station bytes in; `json_MB_per_s` is the lines' bytes out.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <random>

#include "station/decode_session.h"
#include "station/group_table.h"

namespace {

// Rounds of all five groups with random decimal digits in every body byte and a right checksum.
const QByteArray& stream() {
    static const QByteArray bytes = [] {
        constexpr qsizetype kSize = 4 * 1000 * 1000;
        std::mt19937 rng(27);
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

void DecodeJson(benchmark::State& state) {
    const QByteArray& bytes = stream();
    std::int64_t out = 0;
    for (auto _ : state) {
        DecodeSession session(static_cast<std::size_t>(state.range(0)));
        session.onLine = [&out](QByteArrayView line) { out += line.size() + 1; };
        session.feedSerial(bytes);
        session.finishSerial();
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["json_MB_per_s"] =
        benchmark::Counter(double(out) / 1e6, benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(DecodeJson)->Arg(1)->Arg(4096)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
