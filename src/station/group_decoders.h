// The five group decoders and the byte helpers they share. A decoder takes the group body (the
// bytes after the group byte, checksum last) and overwrites every field of its group in the record.
// The caller guarantees the body holds at least the bytes the decoder reads: the group's body
// without its checksum, which no decoder reads (see decodedBodySize in group_table.h).
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "station/weather_record.h"

using GroupBody = std::span<const std::uint8_t>;

struct Nibbles {
    std::uint8_t high = 0;
    std::uint8_t low = 0;
};

Nibbles NibbleSplit(std::uint8_t b);
// The decimal text of the high nibble followed by that of the low nibble, read as a number:
// 0x45 -> 45, 0xA5 -> 105, 0x1A -> 110, 0xAA -> 1010.
int BcdByte(std::uint8_t b);
// Eight characters '0'/'1', bit 7 first.
std::array<char, 8> BitString(std::uint8_t b);

void DecodeGroup8F(GroupBody body, WeatherRecord& record);
void DecodeGroup9F(GroupBody body, WeatherRecord& record);
void DecodeGroupAF(GroupBody body, WeatherRecord& record);
void DecodeGroupBF(GroupBody body, WeatherRecord& record);
void DecodeGroupCF(GroupBody body, WeatherRecord& record);
