#include "sim_stream.h"

#include "console_encoder.h"
#include "station/group_table.h"
#include "station/weather_record.h"

SimStream::SimStream(StationModel& model, std::uint64_t seed, SimFaults faults)
    : model_(model), rng_(seed * 7919 + 17), faults_(faults) {}

std::vector<std::uint8_t> SimStream::groupsDueAt(std::int64_t second) {
    std::vector<std::uint8_t> due;
    switch (second % 10) {
        case 0:
            due.push_back(0x8F);
            break;
        case 2:
            due.push_back(0x9F);
            break;
        case 4:
            due.push_back(0xAF);
            break;
        case 6:
            due.push_back(0xBF);
            break;
        default:
            break;
    }
    if (second % 5 == 3)
        due.push_back(0xCF);
    return due;
}

std::vector<QByteArray> SimStream::nextSecond() {
    std::vector<QByteArray> out;
    for (SentGroup& sent : nextSecondSent())
        out.push_back(std::move(sent.bytes));
    return out;
}

std::vector<SentGroup> SimStream::nextSecondSent() {
    std::vector<SentGroup> out;
    for (std::uint8_t groupByte : groupsDueAt(second_))
        out.push_back(withFaults(groupByte, encodeGroup(groupByte, model_.record())));
    ++second_;
    model_.advance(1.0);
    return out;
}

SentGroup SimStream::withFaults(std::uint8_t groupByte, QByteArray group) {
    SentGroup sent;
    sent.groupByte = groupByte;
    if (faults_.badChecksums > 0 && rng_.uniform() < faults_.badChecksums) {
        const int last = int(group.size()) - 1;
        group[last] = char(std::uint8_t(group[last]) + 1 + rng_.below(255));
        sent.intact = false;
    }
    if (faults_.cut > 0 && rng_.uniform() < faults_.cut) {
        group.truncate(1 + rng_.below(int(group.size()) - 1));
        sent.intact = false;
    }
    if (faults_.noise > 0 && rng_.uniform() < faults_.noise) {
        // Line noise: a few bytes that are not group bytes, so that only the stray bytes are lost.
        QByteArray stray;
        const int count = 1 + rng_.below(6);
        while (stray.size() < count) {
            const auto b = std::uint8_t(rng_.below(256));
            bool isGroupByte = false;
            for (std::uint8_t g : kGroupBytes)
                isGroupByte = isGroupByte || b == g;
            if (!isGroupByte)
                stray.append(char(b));
        }
        group.prepend(stray);
        sent.strayBytes = int(stray.size());
    }
    sent.bytes = std::move(group);
    return sent;
}
