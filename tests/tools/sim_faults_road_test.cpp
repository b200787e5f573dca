// The simulated station with every fault it can inject (wrong checksums, stray bytes, cut groups)
// through the serial road: no accepted group lies inside another, every real group whose stream
// around it is intact is accepted where it was sent, and false groups come only out of faults.
// WETTERPULT_SIM_GROUPS=N runs N groups instead of the quick default and prints the counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "sim_stream.h"
#include "station/group_confirmation.h"
#include "station/group_scanner.h"
#include "station/serial_road.h"
#include "station_model.h"

namespace {

struct Placed {
    std::uint64_t start = 0;
    std::uint64_t size = 0;
    std::uint8_t groupByte = 0;
    bool intact = true;
};

struct Accepted {
    std::uint64_t offset = 0;
    std::uint8_t groupByte = 0;
    // Decoded into the record although its values jump from the record before it, without
    // confirming a held group: only a phantom could do that, and the road must hold it instead.
    bool decodedJumping = false;
    bool operator==(const Accepted&) const = default;
};

std::vector<Accepted> acceptedGroups(const QByteArray& stream, std::mt19937& rng, int maxChunk) {
    StationData data;
    SerialRoad road(data);
    std::vector<Accepted> accepted;
    road.onChecked = [&accepted, &data](const GroupCheckResult& r) {
        if (!r.ok)
            return;
        bool jumping = false;
        const GroupInfo* g = groupFor(r.groupByte);
        if (r.accepted() && !r.confirmedHeld && data.GroupSeen[std::size_t(g->index)]) {
            WeatherRecord trial = data.Record;
            g->decode(GroupBody(reinterpret_cast<const std::uint8_t*>(r.body.data()),
                                std::size_t(r.body.size())),
                      trial);
            jumping = GroupConfirmation::jumps(g->index, data.Record, trial);
        }
        accepted.push_back({r.offset, r.groupByte, jumping});
    };
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype n =
            std::min<qsizetype>(qsizetype(rng() % maxChunk) + 1, stream.size() - at);
        road.feed(QByteArrayView(stream).sliced(at, n));
        at += n;
    }
    return accepted;
}

}  // namespace

TEST(SimFaultsThroughTheRoad, NoGroupInsideAnotherAndNoIntactGroupLost) {
    const long long wanted = qEnvironmentVariableIsSet("WETTERPULT_SIM_GROUPS")
                                 ? qEnvironmentVariable("WETTERPULT_SIM_GROUPS").toLongLong()
                                 : 20000;
    StationModel model(4242, QDateTime(QDate(2024, 11, 2), QTime(6, 0)));
    SimStream sim(model, 4242, SimFaults{0.02, 0.05, 0.02});
    QByteArray stream;
    std::vector<Placed> sent;
    while (qsizetype(sent.size()) < wanted) {
        for (const SentGroup& g : sim.nextSecondSent()) {
            const auto start = std::uint64_t(stream.size() + g.strayBytes);
            sent.push_back(
                {start, std::uint64_t(g.bytes.size() - g.strayBytes), g.groupByte, g.intact});
            stream += g.bytes;
        }
    }

    std::mt19937 rng(7);
    const std::vector<Accepted> accepted = acceptedGroups(stream, rng, 4096);
    EXPECT_EQ(acceptedGroups(stream, rng, 1), accepted);  // the cut of the stream changes nothing

    // Accepted groups follow each other and never overlap.
    std::size_t overlaps = 0;
    for (std::size_t i = 1; i < accepted.size(); ++i) {
        const GroupInfo* before = groupFor(accepted[i - 1].groupByte);
        overlaps += accepted[i].offset < accepted[i - 1].offset + before->bodySize + 1;
    }
    EXPECT_EQ(overlaps, 0u);

    // A real group is safe when no faulty group lies within a longest group's length before it:
    // no false start can reach into it then.
    std::vector<std::uint64_t> faultEnds;  // end of every faulty group, in stream order
    std::size_t intact = 0, safe = 0, lost = 0;
    std::size_t next = 0;
    for (const Placed& g : sent) {
        if (!g.intact) {
            faultEnds.push_back(g.start + g.size);
            continue;
        }
        ++intact;
        const bool nearFault =
            !faultEnds.empty() && faultEnds.back() + GroupScanner::kLongestGroup > g.start;
        while (next < accepted.size() && accepted[next].offset < g.start)
            ++next;
        const bool found =
            next < accepted.size() && accepted[next] == Accepted{g.start, g.groupByte};
        if (!nearFault) {
            ++safe;
            lost += !found;
        }
    }
    EXPECT_EQ(lost, 0u);
    EXPECT_GT(safe, intact * 9 / 10);

    // Every accepted group that was not sent as such starts inside a faulty group, and none whose
    // values jump reaches the record.
    std::size_t phantoms = 0, phantomsOutsideFaults = 0, jumpingDecoded = 0;
    std::size_t s = 0;
    for (const Accepted& a : accepted) {
        while (s < sent.size() && sent[s].start + sent[s].size <= a.offset)
            ++s;
        const bool real = s < sent.size() && sent[s].start == a.offset && sent[s].intact;
        jumpingDecoded += a.decodedJumping;
        if (real)
            continue;
        ++phantoms;
        phantomsOutsideFaults += !(s < sent.size() && !sent[s].intact && sent[s].start <= a.offset);
    }
    EXPECT_EQ(phantomsOutsideFaults, 0u);
    EXPECT_EQ(jumpingDecoded, 0u);

    std::printf("groups sent %zu, intact %zu, safe %zu, lost %zu, accepted %zu, phantoms %zu\n",
                sent.size(), intact, safe, lost, accepted.size(), phantoms);
}
