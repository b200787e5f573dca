#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <random>

#include "station/packet_framer.h"
#include "test_groups.h"

namespace {

// A framer for one group kind that records the packets it hands on.
struct Recorder {
    explicit Recorder(std::uint8_t start, std::size_t size) {
        framer.setStartByte(start);
        framer.setSize(size);
        framer.onPacket = [this](QByteArrayView p) { packets.append(p.toByteArray()); };
    }
    Recorder(const Recorder&) = delete;  // the handler points at this recorder
    PacketFramer framer;
    QList<QByteArray> packets;
};

QByteArray bfGroup(int total) {
    WeatherRecord r = testing_groups::sampleRecord();
    r.Rain.Total = static_cast<std::uint16_t>(total);
    return testing_groups::group(0xBF, r);
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

}  // namespace

TEST(PacketFramer, DropsLeadingBytesAndHandsOnTheBodyWithoutGroupByte) {
    Recorder bf(0xBF, 14);
    const QByteArray group = bfGroup(1234);
    bf.framer.add(bytes({0x12, 0x34}) + group);
    ASSERT_EQ(bf.packets.size(), 1);
    EXPECT_EQ(bf.packets[0], group.mid(1));
    EXPECT_EQ(bf.packets[0].size(), 13);
    EXPECT_EQ(bf.framer.buffered(), 0u);
    EXPECT_FALSE(bf.framer.inPacket());
}

TEST(PacketFramer, PartialPacketWaitsForItsLastChunk) {
    Recorder cf(0xCF, 27);
    const QByteArray group = testing_groups::group(0xCF, testing_groups::sampleRecord());
    cf.framer.add(group.first(10));
    EXPECT_TRUE(cf.framer.inPacket());
    cf.framer.add(group.sliced(10, 10));
    EXPECT_TRUE(cf.packets.isEmpty());
    EXPECT_EQ(cf.framer.buffered(), 20u);
    cf.framer.add(group.sliced(20));
    ASSERT_EQ(cf.packets.size(), 1);
    EXPECT_EQ(cf.packets[0], group.mid(1));
}

TEST(PacketFramer, SeveralPacketsInOneChunkInOrder) {
    Recorder bf(0xBF, 14);
    const QByteArray first = bfGroup(1);
    const QByteArray second = bfGroup(2);
    bf.framer.add(first + second + first.first(5));
    ASSERT_EQ(bf.packets.size(), 2);
    EXPECT_EQ(bf.packets[0], first.mid(1));
    EXPECT_EQ(bf.packets[1], second.mid(1));
    EXPECT_TRUE(bf.framer.inPacket());
    EXPECT_EQ(bf.framer.buffered(), 5u);
}

TEST(PacketFramer, BufferWithoutStartByteIsEmptiedAt1024Bytes) {
    Recorder bf(0xBF, 14);
    const QByteArray noise(1023, 'x');
    bf.framer.add(noise);
    EXPECT_EQ(bf.framer.buffered(), 1023u);
    bf.framer.add("y");
    EXPECT_EQ(bf.framer.buffered(), 0u);

    // Exactly 1024 bytes in one chunk, or completing 1024 in many, go as well.
    bf.framer.add(QByteArray(1024, 'x'));
    EXPECT_EQ(bf.framer.buffered(), 0u);
    for (int i = 0; i < 1023; ++i)
        bf.framer.add("x");
    EXPECT_EQ(bf.framer.buffered(), 1023u);
    bf.framer.add("x");
    EXPECT_EQ(bf.framer.buffered(), 0u);

    // One large chunk without a start byte goes at once; a start byte late in a large chunk
    // still frames its group.
    bf.framer.add(QByteArray(3000, 'z'));
    EXPECT_EQ(bf.framer.buffered(), 0u);
    const QByteArray group = bfGroup(7);
    bf.framer.add(QByteArray(2000, 'z') + group);
    ASSERT_EQ(bf.packets.size(), 1);
    EXPECT_EQ(bf.packets[0], group.mid(1));

    // A packet longer than the limit can never complete: its bytes go at 1024 as well.
    Recorder big(0x8F, 2000);
    big.framer.add(QByteArray(1, char(0x8F)) + QByteArray(1100, 'x'));
    EXPECT_EQ(big.framer.buffered(), 0u);
    big.framer.add(QByteArray(1, char(0x8F)));
    for (int i = 0; i < 1022; ++i)
        big.framer.add("x");
    EXPECT_EQ(big.framer.buffered(), 1023u);
    big.framer.add("x");
    EXPECT_EQ(big.framer.buffered(), 0u);
    EXPECT_TRUE(big.packets.isEmpty());

    // Bytes in front of a start byte go when it is found, even when they came in earlier chunks.
    bf.framer.add(QByteArray(1000, 'z'));
    bf.framer.add(QByteArray(30, 'z') + group.first(4));
    EXPECT_EQ(bf.framer.buffered(), 4u);
    bf.framer.add(group.sliced(4));
    EXPECT_EQ(bf.packets.size(), 2);
}

TEST(PacketFramer, LetterBytesPassUnchangedAndMatchOnlyLettersOfEitherCase) {
    Recorder bf(0xBF, 14);
    QByteArray group = testing_groups::frame(0xBF, QByteArray(12, 'a'));
    bf.framer.add(QByteArray("aAbB") + group);
    ASSERT_EQ(bf.packets.size(), 1);
    EXPECT_EQ(bf.packets[0].first(12), QByteArray(12, 'a'));

    // A framer whose start byte is a letter finds it in either case.
    Recorder letters('S', 3);
    letters.framer.add("xxs12S34");
    ASSERT_EQ(letters.packets.size(), 2);
    EXPECT_EQ(letters.packets[0], "12");
    EXPECT_EQ(letters.packets[1], "34");
    letters.framer.setCaseInsensitive(false);
    letters.framer.add("s56S78");
    EXPECT_EQ(letters.packets.size(), 3);
    EXPECT_EQ(letters.packets[2], "78");
}

TEST(PacketFramer, ChangingStartOrSizeEmptiesTheBuffer) {
    Recorder bf(0xBF, 14);
    bf.framer.add(bfGroup(1).first(6));
    ASSERT_TRUE(bf.framer.inPacket());
    bf.framer.setSize(14);
    EXPECT_FALSE(bf.framer.inPacket());
    EXPECT_EQ(bf.framer.buffered(), 0u);
    bf.framer.add(QByteArray(5, 'x'));
    bf.framer.setStartByte(0xBF);
    EXPECT_EQ(bf.framer.buffered(), 0u);
}

TEST(PacketFramer, PacketsDoNotDependOnHowTheStreamIsCut) {
    // All five kinds, noise, a cut group and false starts: every framer must frame the same
    // packets whether the stream comes byte by byte, in random pieces or in one piece.
    const WeatherRecord r = testing_groups::sampleRecord();
    QByteArray stream = bytes({0x12, 0x34, 0xCF, 0x01});
    for (int round = 0; round < 40; ++round) {
        for (std::uint8_t g : kGroupBytes)
            stream += testing_groups::group(g, r);
        stream += QByteArray(round * 37 % 1500, static_cast<char>('a' + round % 26));
        stream += testing_groups::group(0x9F, r).first(round % 34);
    }
    auto frameAll = [&stream](auto&& cut) {
        std::array<Recorder, 5> recorders = {Recorder(0x8F, 35), Recorder(0x9F, 34),
                                             Recorder(0xAF, 31), Recorder(0xBF, 14),
                                             Recorder(0xCF, 27)};
        cut([&recorders](QByteArrayView chunk) {
            for (Recorder& rec : recorders)
                rec.framer.add(chunk);
        });
        QList<QList<QByteArray>> out;
        for (Recorder& rec : recorders)
            out.append(rec.packets);
        return out;
    };
    const auto whole = frameAll([&](auto feed) { feed(stream); });
    const auto single = frameAll([&](auto feed) {
        for (qsizetype i = 0; i < stream.size(); ++i)
            feed(QByteArrayView(stream).sliced(i, 1));
    });
    const auto pieces = frameAll([&](auto feed) {
        std::mt19937 rng(4711);
        for (qsizetype i = 0; i < stream.size();) {
            const qsizetype n = std::min<qsizetype>(rng() % 200 + 1, stream.size() - i);
            feed(QByteArrayView(stream).sliced(i, n));
            i += n;
        }
    });
    EXPECT_EQ(whole[3].size(), 40);  // every 0xBF group framed
    EXPECT_EQ(single, whole);
    EXPECT_EQ(pieces, whole);
}
