// Fuzzes the weather-log import's reading: arbitrary bytes as the lines of a log file, each read
// and placed in time as the import does. Besides memory errors it checks what a data line promises:
// a row with at least one group, each value inside its measuring range and its group marked, and a
// minute on a whole minute.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "archive/log_line.h"
#include "base/text_file.h"
#include "station/group_table.h"
#include "station/quality_gate.h"

namespace {
void check(bool holds) {
    if (!holds)
        std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(bytes), qsizetype(size));
    LocalTimeRun run;  // the lines of one file, read in order
    for (const QByteArray& raw : input.split('\n')) {
        LogLineResult line = readLogLine(textfile::fromWindows1252(raw));
        if (line.kind != LogLineKind::Data)
            continue;
        placeLogLine(line, run);
        const MinuteRow& row = line.row;
        check(row.groups != 0);
        check(row.minute % 60 == 0);
        for (int i = 0; i < kQuantityCount; ++i) {
            const auto q = Quantity(i);
            if (!row[q])
                continue;
            check(measuredValue(q, *row[q]) == row[q]);
            check((row.groups & kGroups[groupIndexOf(q)].bit()) != 0);
        }
    }
    return 0;
}
