#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <random>

#include "station/decode_session.h"
#include "test_groups.h"

namespace {

QByteArray roundOfGroups() {
    QByteArray stream;
    for (std::uint8_t g : kGroupBytes)
        stream += testing_groups::group(g, testing_groups::sampleRecord());
    return stream;
}

}  // namespace

TEST(DecodeSession, ChunksFollowTheStreamNotTheReads) {
    const QByteArray stream = roundOfGroups() + QByteArray(50, 'x') + roundOfGroups();
    auto run = [&stream](std::size_t chunk, bool randomReads) {
        DecodeSession session(chunk);
        QList<QByteArray> lines;
        session.onLine = [&lines](QByteArrayView l) { lines.append(l.toByteArray()); };
        std::mt19937 rng(17);
        for (qsizetype i = 0; i < stream.size();) {
            const qsizetype n = randomReads ? std::min<qsizetype>(rng() % 90 + 1, stream.size() - i)
                                            : stream.size();
            session.feedSerial(QByteArrayView(stream).sliced(i, n));
            i += n;
        }
        session.finishSerial();
        return lines;
    };
    for (std::size_t chunk : {1, 7, 64, 4096}) {
        const QList<QByteArray> lines = run(chunk, false);
        EXPECT_EQ(lines.size(), 10);
        EXPECT_EQ(run(chunk, true), lines) << "chunk " << chunk;
    }
    // Byte by byte the lines come in stream order; a chunk holding a whole round gives them per
    // framer, so the 0x8F line is written before the 0x9F group of the same chunk is decoded.
    EXPECT_TRUE(run(1, false)[1].startsWith(R"({"group":"9F","checksum":"OK!")"));
    EXPECT_TRUE(run(4096, false)[1].startsWith(R"({"group":"8F","checksum":"OK!")"));
}

TEST(DecodeSession, StopsAfterTheRequestedNumberOfLines) {
    DecodeSession session(4096, 3);
    QList<QByteArray> lines;
    session.onLine = [&lines](QByteArrayView l) { lines.append(l.toByteArray()); };
    session.feedSerial(roundOfGroups() + roundOfGroups());
    session.finishSerial();
    EXPECT_EQ(lines.size(), 3);
    EXPECT_TRUE(session.done());
}

TEST(DecodeSession, ClientReadsGiveLinesWithoutChecksum) {
    DecodeSession session;
    QList<QByteArray> lines;
    session.onLine = [&lines](QByteArrayView l) { lines.append(l.toByteArray()); };
    const QByteArray cf = testing_groups::group(0xCF, testing_groups::sampleRecord());
    session.feedTcpRead(cf.first(8));
    session.feedTcpRead(cf.sliced(8));
    session.feedTcpRead("A");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(R"({"group":"CF","checksum":null,)"));
    EXPECT_TRUE(lines[0].endsWith(R"("GroupSeen":[false,false,false,false,false],)"
                                  R"("MinuteWindMax":156,"MinuteWindMaxDir":227})"));
}
