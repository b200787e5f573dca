// The console's sending schedule over the simulated station: one call per simulated second yields
// the groups due in that second (0x8F, 0x9F, 0xAF and 0xBF every 10 s, 0xCF every 5 s), each with
// the faults asked for: a wrong checksum, stray bytes in front, or a group cut short.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

#include "sim_random.h"
#include "station_model.h"

struct SimFaults {
    double badChecksums = 0;  // fraction of groups sent with a wrong checksum
    double noise = 0;         // fraction of groups preceded by stray bytes
    double cut = 0;           // fraction of groups cut short
};

// One group as sent, with what was done to it: the stray bytes in front, a cut, a wrong checksum.
struct SentGroup {
    QByteArray bytes;  // stray bytes first, then the group (whole or cut)
    std::uint8_t groupByte = 0;
    int strayBytes = 0;
    bool intact = true;  // full length and the right checksum
};

class SimStream {
public:
    SimStream(StationModel& model, std::uint64_t seed, SimFaults faults = {});

    // Moves the model on by one second and returns what the console sends in that second, one
    // entry per group (stray bytes included in front of their group).
    std::vector<QByteArray> nextSecond();
    // The same, with what was done to each group.
    std::vector<SentGroup> nextSecondSent();

    // The groups due in second k of the schedule, in sending order.
    static std::vector<std::uint8_t> groupsDueAt(std::int64_t second);

private:
    SentGroup withFaults(std::uint8_t groupByte, QByteArray group);

    StationModel& model_;
    SimRandom rng_;
    SimFaults faults_;
    std::int64_t second_ = 0;
};
