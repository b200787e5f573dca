// Small readers the five group decoders share: nibbles and bits of a body byte, the station's
// split two-nibble numbers, and the cut to the width of a record field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "station/group_decoders.h"

namespace decoder {

// The station's BCD reading (see BcdByte): each nibble's decimal text, the two texts read as one
// number, so that a nibble of 10..15 contributes two digits.
constexpr int bcdValue(std::uint8_t b) {
    const int high = b >> 4;
    const int low = b & 0x0F;
    return high * (low >= 10 ? 100 : 10) + low;
}

// Looked up rather than computed: the decoders run for every group.
inline constexpr std::array<std::uint16_t, 256> kBcdTable = [] {
    std::array<std::uint16_t, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[static_cast<std::size_t>(b)] = static_cast<std::uint16_t>(bcdValue(std::uint8_t(b)));
    return t;
}();

inline int high(GroupBody body, std::size_t k) {
    return body[k] >> 4;
}
inline int low(GroupBody body, std::size_t k) {
    return body[k] & 0x0F;
}
inline int bcd(GroupBody body, std::size_t k) {
    return kBcdTable[body[k]];
}
// Bit n (0 = least significant) of byte k; the same as character 8 - n of BitString.
inline bool bit(GroupBody body, std::size_t k, int n) {
    return ((body[k] >> n) & 1) != 0;
}
// Units in the high nibble of byte k, tens in the low nibble of byte k + 1.
inline int split(GroupBody body, std::size_t k) {
    return high(body, k) + 10 * low(body, k + 1);
}

// A value stored in an 8-bit or 16-bit field keeps its low bits.
inline std::uint8_t u8(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}
inline std::uint16_t u16(int v) {
    return static_cast<std::uint16_t>(v & 0xFFFF);
}

// A unit code nibble: the top one or two bits are status bits.
inline std::uint8_t unitCode(int h) {
    return u8(h >= 8 ? h - 8 : h >= 4 ? h - 4 : h);
}
// A code nibble whose top bit is a status bit.
inline std::uint8_t withoutTopBit(int h) {
    return u8(h > 7 ? h - 8 : h);
}

// A time of day and date as four BCD bytes minute, hour, day and the month in a low nibble.
inline void readTime(GroupBody body, std::size_t minuteAt, StationTime& t) {
    t.Minute = u8(bcd(body, minuteAt));
    t.Hour = u8(bcd(body, minuteAt + 1));
    t.Day = u8(bcd(body, minuteAt + 2));
    t.Month = u8(low(body, minuteAt + 3));
}

// The same, shifted by one nibble: each value straddles two bytes, the month is a high nibble.
inline void readSplitTime(GroupBody body, std::size_t minuteAt, StationTime& t) {
    t.Minute = u8(split(body, minuteAt));
    t.Hour = u8(split(body, minuteAt + 1));
    t.Day = u8(split(body, minuteAt + 2));
    t.Month = u8(high(body, minuteAt + 3));
}

}  // namespace decoder
