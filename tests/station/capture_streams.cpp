// Builds the committed captures. Each stream is described beside its file in a .txt note.
#include "capture_streams.h"

#include "station/group_table.h"
#include "test_groups.h"

namespace testing_groups {
namespace {

// The sample record moved on by `round` steps.
WeatherRecord roundRecord(int round) {
    WeatherRecord r = sampleRecord();
    r.Clock.Time.Second = static_cast<std::uint8_t>((45 + 17 * round) % 60);
    r.Clock.Time.Minute = static_cast<std::uint8_t>(30 + round);
    r.IndoorHum.Current = static_cast<std::uint8_t>(48 + round);
    r.IndoorTemp.Current = 215 + 3 * round;
    r.OutdoorTemp.Current = -57 + 40 * round;  // -5.7, -1.7, 2.3 °C
    r.OutdoorTemp.Positive = r.OutdoorTemp.Current >= 0;
    r.Barometer.SeaLevel = static_cast<std::uint16_t>(10182 - 2 * round);
    r.Barometer.Local = static_cast<std::uint16_t>(1013 - round);
    r.Rain.Total = static_cast<std::uint16_t>(1234 + round);
    r.Rain.Rate = static_cast<std::uint16_t>(12 * round);
    static constexpr std::uint16_t kGusts[3] = {156, 98, 203};
    static constexpr std::uint16_t kDirs[3] = {227, 250, 181};
    r.Wind.GustSpeed = kGusts[round % 3];
    r.Wind.GustDir = kDirs[round % 3];
    r.Windchill.Current = -7 + 4 * round;
    r.Console.DisplaySection = static_cast<std::uint8_t>(round % 8);
    return r;
}

QByteArray fullRound(const WeatherRecord& r) {
    QByteArray out;
    for (std::uint8_t g : kGroupBytes)
        out += group(g, r);
    return out;
}

QByteArray withByte(QByteArray body, int k, int value) {
    body[k] = static_cast<char>(value);
    return body;
}

}  // namespace

QByteArray cleanRoundsCapture() {
    QByteArray out;
    for (int round = 0; round < 3; ++round)
        out += fullRound(roundRecord(round));
    return out;
}

QByteArray noisyStreamCapture() {
    const WeatherRecord first = roundRecord(0);
    QByteArray out = QByteArray::fromHex("1234") + "abc";
    // Status byte 31 of the 0x8F group holds 0x9F: inside an accepted group it starts nothing,
    // and the real 0x9F group that follows is found.
    out += frame(0x8F, withByte(body8F(first), 31, 0x9F));
    out += group(0x9F, first);
    out += frameWithBadChecksum(0xAF, bodyAF(first));
    out += group(0xBF, first).first(6);  // cut off: fails, the 0xCF group behind it is found
    out += group(0xCF, first);
    out += QByteArray(1100, 'w');  // no group byte: skipped, nothing kept
    WeatherRecord second = roundRecord(1);
    second.Rain.Yesterday = 61;  // body byte 2 becomes 0x61, a lower-case 'a'
    out += fullRound(second);
    out += group(0x8F, second).first(20);  // the stream ends inside a group
    return out;
}

QByteArray oddNibblesCapture() {
    const WeatherRecord r = roundRecord(2);
    QByteArray out;
    // 0x8F: second 0xAA (1010, kept as 242), minute 0xA5 (105), indoor humidity 0xFF, its hi 0xFB.
    QByteArray b8F = body8F(r);
    b8F = withByte(withByte(withByte(withByte(b8F, 0, 0xAA), 1, 0xA5), 7, 0xFF), 8, 0xFB);
    out += frame(0x8F, b8F);
    // 0x9F: indoor temperature digits 0xCD with hundreds 7: 700 + 120 + 13.
    QByteArray b9F = body9F(r);
    b9F = withByte(b9F, 0, 0xCD);
    b9F[1] = static_cast<char>((static_cast<std::uint8_t>(b9F[1]) & 0xF0) | 0x07);
    out += frame(0x9F, b9F);
    // 0xAF: sea level 0x99 0x99 0x0F (159999 wraps to 28927), indoor dew point 0xAA.
    QByteArray bAF = bodyAF(r);
    bAF = withByte(withByte(withByte(withByte(bAF, 2, 0x99), 3, 0x99), 4, 0x0F), 6, 0xAA);
    out += frame(0xAF, bAF);
    // 0xBF: yesterday 0xFF 0xFF (153015 wraps to 21943), rain total since minute 0xAA.
    QByteArray bBF = bodyBF(r);
    bBF = withByte(withByte(withByte(bBF, 2, 0xFF), 3, 0xFF), 6, 0xAA);
    out += frame(0xBF, bBF);
    // 0xCF: gust 0xAA with hundreds 15, wind alarm 15 + 150 + 100 (kept as 9), display 0xF0.
    QByteArray bCF = bodyCF(r);
    bCF = withByte(bCF, 0, 0xAA);
    bCF[1] = static_cast<char>((static_cast<std::uint8_t>(bCF[1]) & 0xF0) | 0x0F);
    bCF[12] = static_cast<char>((static_cast<std::uint8_t>(bCF[12]) & 0x0F) | 0xF0);
    bCF = withByte(withByte(bCF, 13, 0x1F), 23, 0xF0);
    out += frame(0xCF, bCF);
    return out;
}

std::vector<std::pair<QString, QByteArray>> allCaptures() {
    return {{QStringLiteral("clean_rounds"), cleanRoundsCapture()},
            {QStringLiteral("noisy_stream"), noisyStreamCapture()},
            {QStringLiteral("odd_nibbles"), oddNibblesCapture()}};
}

}  // namespace testing_groups
