// Answers that arrive together: the server answers the requests of one second back to back, so a
// single read may hold several group messages; each must reach its decoder.
#include <gtest/gtest.h>

#include "station/group_table.h"
#include "station/tcp_dispatch.h"
#include "station/tcp_message_assembler.h"
#include "test_groups.h"

namespace {
QByteArray message(std::uint8_t groupByte) {
    return testing_groups::group(groupByte, testing_groups::sampleRecord());
}
}  // namespace

TEST(TcpMessagesInOneRead, EveryMessageOfAReadIsHandedOn) {
    TcpMessageAssembler a;
    QByteArray all;
    for (std::uint8_t g : kGroupBytes)
        all += message(g);
    auto ready = a.feed(all);
    ASSERT_EQ(ready.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(ready[i], message(kGroupBytes[i]));

    // A server that leaves the checksums out.
    ready = a.feed(message(0x8F).chopped(1) + message(0xBF).chopped(1));
    ASSERT_EQ(ready.size(), 2u);
    EXPECT_EQ(ready[0], message(0x8F).chopped(1));
    EXPECT_EQ(ready[1], message(0xBF).chopped(1));

    // A whole message, then the start of the next one that the following read completes.
    const QByteArray cf = message(0xCF);
    ready = a.feed(message(0x9F) + cf.first(8));
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0], message(0x9F));
    EXPECT_TRUE(a.pending());
    ready = a.feed(cf.sliced(8) + message(0xAF));
    ASSERT_EQ(ready.size(), 2u);
    EXPECT_EQ(ready[0], cf);
    EXPECT_EQ(ready[1], message(0xAF));
    EXPECT_FALSE(a.pending());

    // Extra bytes that begin no group stay with the message before them.
    ready = a.feed(message(0xBF) + "xy" + message(0xCF));
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0].size(), 14 + 2 + 27);

    StationData d;
    for (const QByteArray& m : a.feed(all))
        EXPECT_NE(DispatchTcpMessage(m, d), 0);
    EXPECT_EQ(d.Record.Rain.Total, testing_groups::sampleRecord().Rain.Total);
}
