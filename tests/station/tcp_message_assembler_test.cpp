#include <gtest/gtest.h>

#include <QByteArray>

#include "station/tcp_dispatch.h"
#include "station/tcp_message_assembler.h"
#include "test_groups.h"

namespace {

QByteArray cfMessage() {
    return testing_groups::group(0xCF, testing_groups::sampleRecord());
}

}  // namespace

TEST(TcpMessageAssembler, WholeMessagesAndMessagesWithoutGroupByte) {
    TcpMessageAssembler a;
    const QByteArray cf = cfMessage();  // group byte, 26 body bytes
    auto ready = a.feed(cf);
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0], cf);

    // The checksum is not needed, extra bytes behind the body stay in the message.
    EXPECT_EQ(a.feed(cf.chopped(1)).size(), 1u);
    ready = a.feed(cf + "xyz");
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0], cf + "xyz");

    ready = a.feed("A");
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0], "A");
    EXPECT_TRUE(a.feed(QByteArrayView()).empty());
    EXPECT_FALSE(a.pending());
}

TEST(TcpMessageAssembler, ShortMessageIsCompletedFromFollowingReads) {
    TcpMessageAssembler a;
    const QByteArray cf = cfMessage();
    EXPECT_TRUE(a.feed(cf.first(10)).empty());
    EXPECT_TRUE(a.pending());
    EXPECT_TRUE(a.feed(QByteArrayView()).empty());
    EXPECT_TRUE(a.feed(cf.sliced(10, 10)).empty());
    const auto ready = a.feed(cf.sliced(20));
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0], cf);
    EXPECT_FALSE(a.pending());
}

TEST(TcpMessageAssembler, ShortMessageIsDroppedWhenANewGroupBegins) {
    TcpMessageAssembler a;
    const QByteArray bf = testing_groups::group(0xBF, testing_groups::sampleRecord());
    EXPECT_TRUE(a.feed(cfMessage().first(12)).empty());
    auto ready = a.feed(bf);
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0], bf);
    EXPECT_FALSE(a.pending());
    // A short group replaced by another short group: only the newer one can complete.
    EXPECT_TRUE(a.feed(cfMessage().first(5)).empty());
    EXPECT_TRUE(a.feed(bf.first(4)).empty());
    ready = a.feed(bf.sliced(4));
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0], bf);
}

TEST(TcpDispatch, DecodesByFirstByteAndNeverReadsOutside) {
    StationData d;
    const WeatherRecord& r = d.Record;
    EXPECT_EQ(DispatchTcpMessage(cfMessage(), d), 0xCF);
    EXPECT_EQ(r.Wind.GustSpeed, 156);
    EXPECT_EQ(r.Windchill.Current, -7);
    EXPECT_EQ(r.Console.DisplaySection, 5);

    StationData kept;
    const WeatherRecord& untouched = kept.Record;
    EXPECT_EQ(DispatchTcpMessage(QByteArray("A"), kept), 0);
    EXPECT_EQ(DispatchTcpMessage(QByteArrayView(), kept), 0);
    // One byte short of what the decoder reads: nothing decoded.
    const QByteArray shortBf =
        testing_groups::group(0xBF, testing_groups::sampleRecord()).first(12);
    EXPECT_EQ(DispatchTcpMessage(shortBf, kept), 0);
    EXPECT_EQ(untouched.Rain.Total, 0);
    // Exactly the bytes the decoder reads (no checksum) is enough.
    EXPECT_EQ(DispatchTcpMessage(shortBf + QByteArray(1, '\x12'), kept), 0xBF);
    EXPECT_EQ(untouched.Rain.Total, 1234);
}
