// The byte helpers shared by the five group decoders: nibbles, the station's BCD reading and the
// bit text the flags are read from.
#include "station/group_decoders.h"

#include "station/decoder_helpers.h"

Nibbles NibbleSplit(std::uint8_t b) {
    return {static_cast<std::uint8_t>(b >> 4), static_cast<std::uint8_t>(b & 0x0F)};
}

int BcdByte(std::uint8_t b) {
    // 0xA5 -> "10" "5" -> 105, 0xAA -> "10" "10" -> 1010.
    return decoder::bcdValue(b);
}

std::array<char, 8> BitString(std::uint8_t b) {
    std::array<char, 8> text{};
    for (int i = 0; i < 8; ++i)
        text[static_cast<std::size_t>(i)] = (b & (0x80 >> i)) ? '1' : '0';
    return text;
}
