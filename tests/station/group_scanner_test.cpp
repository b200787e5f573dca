// The scanner over the station's byte stream: which candidates it tests, where, with which result,
// for every way a stream goes wrong, and that none of it depends on how the stream is cut.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>
#include <random>

#include "station/group_scanner.h"
#include "station/group_table.h"
#include "test_groups.h"

namespace {

using testing_groups::group;

const WeatherRecord& sample() {
    static const WeatherRecord r = testing_groups::sampleRecord();
    return r;
}

QByteArray whole(std::uint8_t g) {
    return group(g, sample());
}

// The group with a checksum that is wrong and no group byte (so that it starts nothing itself).
QByteArray withBadChecksum(QByteArray bytes) {
    const char right = bytes.back();
    bytes.back() = right == '\0' ? '\1' : '\0';
    return bytes;
}

// The 0x8F group whose status byte 31 holds 0x9F, its checksum made right again.
QByteArray eightFWith9FInside() {
    QByteArray body = testing_groups::body8F(sample());
    body[31] = static_cast<char>(0x9F);
    return testing_groups::frame(0x8F, body);
}

bool holdsGroupByte(QByteArrayView bytes) {
    for (char c : bytes)
        if (groupFor(static_cast<std::uint8_t>(c)))
            return true;
    return false;
}

// "offset:group byte:OK!/Error!"
QString describe(const GroupScanner::Candidate& c) {
    return QStringLiteral("%1:%2:%3")
        .arg(c.offset)
        .arg(c.group.groupByte, 2, 16)
        .arg(c.ok ? "OK!" : "Error!");
}

// Feeds the stream in chunks of `chunk` bytes (0: one piece) and describes every candidate.
QStringList scan(const QByteArray& stream, qsizetype chunk, std::size_t* buffered = nullptr) {
    GroupScanner scanner;
    QStringList seen;
    scanner.onCandidate = [&seen](const GroupScanner::Candidate& c) { seen << describe(c); };
    const qsizetype step = chunk == 0 ? stream.size() : chunk;
    for (qsizetype at = 0; at < stream.size(); at += step)
        scanner.feed(QByteArrayView(stream).sliced(at, std::min(step, stream.size() - at)));
    if (buffered)
        *buffered = scanner.buffered();
    return seen;
}

struct Case {
    const char* name;
    QByteArray stream;
    QStringList expected;
    std::size_t leftOver = 0;
};

}  // namespace

TEST(GroupScanner, FindsEveryRealGroupWhateverGoesWrongAroundIt) {
    // The bodies the cases scan into hold no group byte of their own, so the expected candidates
    // below are all there are.
    ASSERT_FALSE(holdsGroupByte(whole(0xAF).sliced(1)));
    ASSERT_FALSE(holdsGroupByte(whole(0xBF).first(6).sliced(1)));
    ASSERT_FALSE(holdsGroupByte(eightFWith9FInside().sliced(1, 30)));
    ASSERT_FALSE(holdsGroupByte(eightFWith9FInside().sliced(33, 1)));

    const Case cases[] = {
        {"noise before a group", QByteArray::fromHex("1234") + "abc" + whole(0xBF), {"5:bf:OK!"}},
        {"a group byte inside a good group starts nothing",
         eightFWith9FInside() + whole(0x9F),
         {"0:8f:OK!", "35:9f:OK!"}},
        {"a false start in front of two groups",
         QByteArray(1, char(0x8F)) + whole(0xCF) + whole(0xBF) + whole(0xAF),
         {"0:8f:Error!", "1:cf:OK!", "28:bf:OK!", "42:af:OK!"}},
        {"a false start inside a group that fails",
         withBadChecksum(eightFWith9FInside()) + whole(0x9F) + whole(0xBF),
         {"0:8f:Error!", "32:9f:Error!", "35:9f:OK!", "69:bf:OK!"}},
        {"a cut group followed by good ones",
         whole(0xBF).first(6) + whole(0xCF) + whole(0xAF),
         {"0:bf:Error!", "6:cf:OK!", "33:af:OK!"}},
        {"a bad checksum followed by a good group",
         withBadChecksum(whole(0xAF)) + whole(0xBF),
         {"0:af:Error!", "31:bf:OK!"}},
        {"groups come in stream order",
         whole(0xCF) + whole(0xBF) + whole(0xAF) + whole(0x9F) + whole(0x8F),
         {"0:cf:OK!", "27:bf:OK!", "41:af:OK!", "72:9f:OK!", "106:8f:OK!"}},
        {"the stream ends inside a group", whole(0xCF) + whole(0x8F).first(20), {"0:cf:OK!"}, 20},
    };
    for (const Case& c : cases) {
        for (qsizetype chunk : {1, 2, 5, 13, 64, 0}) {
            std::size_t left = 0;
            EXPECT_EQ(scan(c.stream, chunk, &left), c.expected) << c.name << ", chunk " << chunk;
            EXPECT_EQ(left, c.leftOver) << c.name << ", chunk " << chunk;
        }
    }
}

TEST(GroupScanner, KeepsLessThanOneGroupAndIgnoresTheCut) {
    // Random bytes, half of them group bytes: the worst a line can do. The scanner never keeps a
    // group's length without progress, and the candidates do not depend on the chunks.
    std::mt19937 rng(99);
    QByteArray stream;
    for (int i = 0; i < 20000; ++i)
        stream.append(rng() % 2 ? char(kGroupBytes[rng() % 5]) : char(rng() % 256));
    for (int round = 0; round < 50; ++round)
        stream += whole(kGroupBytes[round % 5]);

    GroupScanner scanner;
    QStringList pieces;
    scanner.onCandidate = [&pieces](const GroupScanner::Candidate& c) { pieces << describe(c); };
    std::size_t most = 0;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype n = std::min<qsizetype>(rng() % 100 + 1, stream.size() - at);
        scanner.feed(QByteArrayView(stream).sliced(at, n));
        most = std::max(most, scanner.buffered());
        at += n;
    }
    EXPECT_LT(most, GroupScanner::kLongestGroup);
    EXPECT_EQ(scan(stream, 0), pieces);
    EXPECT_EQ(scan(stream, 1), pieces);
    EXPECT_EQ(pieces.back(), QStringLiteral("%1:cf:OK!").arg(stream.size() - 27));
}
