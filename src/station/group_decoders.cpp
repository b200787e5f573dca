// The byte helpers shared by the five group decoders: nibbles, the station's BCD reading and the
// bit text the flags are read from.
#include "station/group_decoders.h"

Nibbles NibbleSplit(std::uint8_t b) {
    return {static_cast<std::uint8_t>(b >> 4), static_cast<std::uint8_t>(b & 0x0F)};
}

int BcdByte(std::uint8_t b) {
    // Each nibble is written as its decimal text and the two texts are read as one number, so a
    // nibble of 10..15 contributes two digits: 0xA5 -> "10" "5" -> 105, 0xAA -> 1010.
    const Nibbles n = NibbleSplit(b);
    const int lowDigits = n.low >= 10 ? 100 : 10;
    return n.high * lowDigits + n.low;
}

std::array<char, 8> BitString(std::uint8_t b) {
    std::array<char, 8> text{};
    for (int i = 0; i < 8; ++i)
        text[static_cast<std::size_t>(i)] = (b & (0x80 >> i)) ? '1' : '0';
    return text;
}
