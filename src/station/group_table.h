// The five station groups: group byte, body length (after the group byte, checksum included) and
// where each kind stands in the program's per-group tables.
#pragma once

#include <cstddef>
#include <cstdint>

#include "station/group_decoders.h"

struct GroupInfo {
    std::uint8_t groupByte;
    std::size_t bodySize;  // bytes after the group byte, checksum last
    int index;             // 0 = 0x8F ... 4 = 0xCF; the checksum row is index + 1
    void (*decode)(GroupBody, WeatherRecord&);
};

inline constexpr GroupInfo kGroups[5] = {
    {0x8F, 34, 0, &DecodeGroup8F}, {0x9F, 33, 1, &DecodeGroup9F}, {0xAF, 30, 2, &DecodeGroupAF},
    {0xBF, 13, 3, &DecodeGroupBF}, {0xCF, 26, 4, &DecodeGroupCF},
};

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
