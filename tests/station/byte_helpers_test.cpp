#include <gtest/gtest.h>

#include "station/group_decoders.h"

TEST(ByteHelpers, NibblesBcdAndBitText) {
    const Nibbles n = NibbleSplit(0xA5);
    EXPECT_EQ(n.high, 10);
    EXPECT_EQ(n.low, 5);

    EXPECT_EQ(BcdByte(0x00), 0);
    EXPECT_EQ(BcdByte(0x45), 45);
    EXPECT_EQ(BcdByte(0x09), 9);
    EXPECT_EQ(BcdByte(0x90), 90);
    // A nibble of 10..15 contributes its two-digit text.
    EXPECT_EQ(BcdByte(0xA5), 105);
    EXPECT_EQ(BcdByte(0x1A), 110);
    EXPECT_EQ(BcdByte(0xAA), 1010);
    EXPECT_EQ(BcdByte(0xF0), 150);
    EXPECT_EQ(BcdByte(0x0F), 15);
    EXPECT_EQ(BcdByte(0xFF), 1515);

    const std::array<char, 8> bits = BitString(0x85);
    EXPECT_EQ(std::string(bits.begin(), bits.end()), "10000101");
    const std::array<char, 8> none = BitString(0x00);
    EXPECT_EQ(std::string(none.begin(), none.end()), "00000000");
}
