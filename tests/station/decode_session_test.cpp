#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <random>

#include "station/decode_session.h"
#include "station/group_table.h"
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
    // However the stream is cut, the lines are the same and come in stream order.
    const QList<QByteArray> byteByByte = run(1, false);
    EXPECT_EQ(byteByByte.size(), 10);
    EXPECT_TRUE(byteByByte[1].startsWith(R"({"group":"9F","checksum":"OK!")"));
    for (std::size_t chunk : {1, 7, 64, 4096}) {
        EXPECT_EQ(run(chunk, false), byteByByte) << "chunk " << chunk;
        EXPECT_EQ(run(chunk, true), byteByByte) << "chunk " << chunk;
    }
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
