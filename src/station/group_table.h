// The five station groups as data: everything that differs from one group to the next (group byte,
// body length, decoder, how often the client road asks for it, where it stands in the program's
// per-group tables and bit masks), and the one step that takes a decoded group into the station
// data on either road.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "station/group_decoders.h"
#include "station/quantity.h"
#include "station/weather_record.h"

struct GroupInfo {
    std::uint8_t groupByte;
    std::size_t bodySize;  // bytes after the group byte, checksum last
    // 0 = 0x8F ... 4 = 0xCF: the place in per-group arrays (GroupSeen, ...), bit `index` in a
    // minute's group mask; the checksum row is index + 1.
    int index;
    void (*decode)(GroupBody, WeatherRecord&);
    // The client road asks the server for the group whenever its seconds counter is divisible by
    // this number.
    int pollEvery;

    constexpr std::uint8_t bit() const { return std::uint8_t(1u << index); }
    // The group carries the quantity (quantity.h says which group carries which).
    constexpr bool carries(Quantity q) const { return groupIndexOf(q) == std::size_t(index); }
};

inline constexpr GroupInfo kGroups[5] = {
    {0x8F, 34, 0, &DecodeGroup8F, 3},  {0x9F, 33, 1, &DecodeGroup9F, 7},
    {0xAF, 30, 2, &DecodeGroupAF, 11}, {0xBF, 13, 3, &DecodeGroupBF, 13},
    {0xCF, 26, 4, &DecodeGroupCF, 17},
};

// The group bytes in the order the program keeps the groups (index 0 = 0x8F ... 4 = 0xCF).
inline constexpr std::array<std::uint8_t, 5> kGroupBytes = [] {
    std::array<std::uint8_t, 5> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = kGroups[i].groupByte;
    return bytes;
}();

// The body bytes the group's decoder reads: all but the checksum.
inline constexpr std::size_t decodedBodySize(const GroupInfo& g) {
    return g.bodySize - 1;
}

// The group with this group byte, or nullptr.
inline const GroupInfo* groupFor(std::uint8_t groupByte) {
    for (const GroupInfo& g : kGroups)
        if (g.groupByte == groupByte)
            return &g;
    return nullptr;
}

// Takes a group both roads have accepted into the station data: its decoder overwrites the group's
// fields of the record, and the first rain group of the run becomes the rain reference, so that
// the console's whole total never counts as the rain of one day. The body holds at least
// decodedBodySize(group) bytes.
inline void applyGroup(StationData& data, const GroupInfo& group, GroupBody body) {
    group.decode(body, data.Record);
    if (group.carries(Quantity::RainTotal))
        data.rainGroupDecoded();
}
