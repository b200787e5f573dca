// Fuzzes the serial road with arbitrary bytes cut into arbitrary chunks. Besides memory errors it
// checks what the scanner promises: every candidate has its group's full length and the checksum
// result it claims, accepted groups never overlap, less than one group is kept between chunks,
// and nothing depends on how the stream is cut: fed in the fuzzer's chunks or as one piece, the
// same candidates come at the same offsets, so the record ends up the same.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <cstdint>
#include <cstdlib>

#include "station/group_table.h"
#include "station/record_json.h"
#include "station/serial_road.h"

namespace {

struct Run {
    StationData data;
    QList<QByteArray> candidates;  // offset, group byte, body and result, in stream order
    std::uint64_t acceptedEnd = 0;
};

void watch(SerialRoad& road, Run& run) {
    road.onChecked = [&run](const GroupCheckResult& r) {
        const GroupInfo* g = groupFor(r.groupByte);
        if (!g || r.row != g->index + 1 || std::size_t(r.body.size()) != g->bodySize)
            std::abort();
        if (r.ok != SerialRoad::checksumMatches(r.groupByte, r.body))
            std::abort();
        if (r.ok) {
            if (r.offset < run.acceptedEnd)
                std::abort();  // inside the group accepted before it
            run.acceptedEnd = r.offset + g->bodySize + 1;
        }
        run.candidates.append(QByteArray::number(qulonglong(r.offset)) + char(r.groupByte) +
                              r.body.toByteArray() + (r.ok ? "+" : "-"));
    };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    // The first bytes choose the chunk sizes (1..64, cycled); the rest is the stream.
    if (size < 2)
        return 0;
    const std::size_t lengths = 1 + bytes[0] % 8;
    if (size < 1 + lengths)
        return 0;
    const std::uint8_t* lengthBytes = bytes + 1;
    const QByteArrayView stream(bytes + 1 + lengths, qsizetype(size - 1 - lengths));

    Run cut;
    {
        SerialRoad road(cut.data);
        watch(road, cut);
        qsizetype at = 0;
        for (std::size_t i = 0; at < stream.size(); ++i) {
            const qsizetype n =
                std::min<qsizetype>(1 + lengthBytes[i % lengths] % 64, stream.size() - at);
            // Each chunk in its own heap block, so that a read past it is caught.
            const QByteArray chunk = stream.sliced(at, n).toByteArray();
            road.feed(chunk);
            if (road.buffered() >= GroupScanner::kLongestGroup)
                std::abort();
            at += n;
        }
    }
    Run whole;
    {
        SerialRoad road(whole.data);
        watch(road, whole);
        road.feed(stream.toByteArray());
    }
    if (cut.candidates != whole.candidates)
        std::abort();
    if (RecordJsonLine(0x8F, "OK!", cut.data) != RecordJsonLine(0x8F, "OK!", whole.data))
        std::abort();
    return 0;
}
