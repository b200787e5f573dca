#include "console_encoder.h"

#include <algorithm>
#include <cstdlib>

namespace {

using u8 = std::uint8_t;

int clampTo(int v, int lo, int hi) {
    return std::clamp(v, lo, hi);
}

// One byte of two decimal digits; a "tens" digit of 10..15 is what the console sends for 100..159.
u8 bcd(int v) {
    v = clampTo(v, 0, 159);
    return u8(((v / 10) << 4) | (v % 10));
}

u8 bit(bool flag, int n) {
    return flag ? u8(1u << n) : u8(0);
}

// A body under construction; bytes are addressed as the decoders address them.
class Body {
public:
    explicit Body(int size) : bytes_(size, '\0') {}
    void set(int k, u8 v) { bytes_[k] = char(v); }
    void orIn(int k, u8 v) { bytes_[k] = char(u8(bytes_[k]) | v); }
    void high(int k, int nibble) { orIn(k, u8((nibble & 0x0F) << 4)); }
    void low(int k, int nibble) { orIn(k, u8(nibble & 0x0F)); }
    // A value whose units sit in the high nibble of byte k and whose tens in the low nibble of k+1.
    void straddle(int k, int v) {
        v = clampTo(v, 0, 159);
        high(k, v % 10);
        low(k + 1, v / 10);
    }
    QByteArray finish(u8 groupByte) {
        bytes_.back() = char(groupChecksum(groupByte, bytes_.left(bytes_.size() - 1)));
        return bytes_;
    }

private:
    QByteArray bytes_;
};

// Minute, hour and day as three BCD bytes from k on, the month in the low nibble of k+3.
void putTime(Body& b, int k, const StationTime& t) {
    b.set(k, bcd(t.Minute));
    b.set(k + 1, bcd(t.Hour));
    b.set(k + 2, bcd(t.Day));
    b.low(k + 3, t.Month);
}

// The lo value and its time in split nibbles from the high nibble of byte k on; month in the high
// nibble of byte k+4.
void putSplitLo(Body& b, int k, const Extreme& lo) {
    b.straddle(k, lo.Value);
    b.straddle(k + 1, lo.Time.Minute);
    b.straddle(k + 2, lo.Time.Hour);
    b.straddle(k + 3, lo.Time.Day);
    b.high(k + 4, lo.Time.Month);
}

// Humidity block of group 0x8F starting at byte k (7 for indoor, 19 for outdoor).
void putHumidity(Body& b, int k, const HumidityReading& h) {
    b.set(k, bcd(h.Current));
    b.set(k + 1, bcd(h.Hi.Value));
    putTime(b, k + 2, h.Hi.Time);
    putSplitLo(b, k + 5, h.Lo);
    b.set(k + 10, bcd(h.AlarmHi));
    b.set(k + 11, bcd(h.AlarmLo));
}

int magnitude(int tenths) {
    return std::min(std::abs(tenths), 799);
}

// Current temperature: digits in byte k, hundreds and sign in the low nibble of byte k+1.
void putCurrentTemp(Body& b, int k, int tenths) {
    const int m = magnitude(tenths);
    b.set(k, u8((((m / 10) % 10) << 4) | (m % 10)));
    b.low(k + 1, (m / 100) | (tenths < 0 ? 8 : 0));
}

// Extreme temperature: tenths in the high nibble of byte k, units, tens and sign in byte k+1.
void putExtremeTemp(Body& b, int k, int tenths) {
    const int m = magnitude(tenths);
    b.high(k, m % 10);
    b.set(k + 1, u8(((m / 100) << 4) | ((m / 10) % 10) | (tenths < 0 ? 0x80 : 0)));
}

// Temperature block of group 0x9F starting at byte k (0 for indoor, 15 for outdoor).
void putTemperature(Body& b, int k, const TempReading& t) {
    putCurrentTemp(b, k, t.Current);
    putExtremeTemp(b, k + 1, t.Hi.Value);
    putTime(b, k + 3, t.Hi.Time);
    putExtremeTemp(b, k + 6, t.Lo.Value);
    putTime(b, k + 8, t.Lo.Time);
    const int hi = clampTo(t.AlarmHi, 0, 199);
    b.high(k + 11, hi % 10);
    b.orIn(k + 12, u8(((hi / 10) % 10) | bit(hi >= 100, 4)));
    const int lo = clampTo(t.AlarmLo, 0, 199);
    b.set(k + 13, bcd(lo % 100));
    b.orIn(k + 14, bit(lo >= 100, 0));
}

// Dew point block of group 0xAF starting at byte k (6 for indoor, 17 for outdoor).
void putDewPoint(Body& b, int k, const TempReading& d) {
    b.set(k, bcd(clampTo(d.Current, 0, 99)));
    b.set(k + 1, bcd(clampTo(d.Hi.Value, 0, 99)));
    putTime(b, k + 2, d.Hi.Time);
    Extreme lo = d.Lo;
    lo.Value = clampTo(lo.Value, 0, 99);
    putSplitLo(b, k + 5, lo);
}

// A speed in tenths (three digits) and a direction in degrees over bytes k, k+1, k+2.
void putSpeedAndDirection(Body& b, int k, int speed, int dir) {
    speed = clampTo(speed, 0, 999);
    dir = clampTo(dir, 0, 359);
    b.set(k, bcd(speed % 100));
    b.set(k + 1, u8(((dir % 10) << 4) | (speed / 100)));
    b.set(k + 2, bcd(dir / 10));
}

// Four decimal digits over two BCD bytes, low pair first.
void putFourDigits(Body& b, int k, int v) {
    v = clampTo(v, 0, 9999);
    b.set(k, bcd(v % 100));
    b.set(k + 1, bcd(v / 100));
}

QByteArray encode8F(const WeatherRecord& r) {
    Body b(34);
    b.set(0, bcd(r.Clock.Time.Second));
    b.set(1, bcd(r.Clock.Time.Minute));
    b.set(2, bcd(r.Clock.Time.Hour));
    b.set(3, bcd(r.Clock.Time.Day));
    b.set(4,
          u8((r.Clock.Time.Month & 0x0F) | bit(r.Clock.MonthBit4, 4) | bit(r.Clock.MonthBit5, 5)));
    b.set(5, bcd(r.Clock.AlarmMinute));
    b.set(6, bcd(r.Clock.AlarmHour));
    putHumidity(b, 7, r.IndoorHum);
    putHumidity(b, 19, r.OutdoorHum);
    b.set(31, u8(bit(r.IndoorHum.OutOfRange, 7) | bit(r.IndoorHum.Hi.Flag, 6) |
                 bit(r.OutdoorHum.OutOfRange, 4) | bit(r.OutdoorHum.Hi.Flag, 3)));
    b.set(32, u8(bit(r.IndoorHum.AlarmLoSet, 7) | bit(r.IndoorHum.AlarmHiSet, 6) |
                 bit(r.OutdoorHum.AlarmHiSet, 5) | bit(r.OutdoorHum.AlarmLoSet, 4) |
                 bit(r.Clock.AlarmSet, 3)));
    return b.finish(0x8F);
}

QByteArray encode9F(const WeatherRecord& r) {
    Body b(33);
    putTemperature(b, 0, r.IndoorTemp);
    b.orIn(14, bit(!r.IndoorTempBit6Clear, 6));
    putTemperature(b, 15, r.OutdoorTemp);
    b.set(31, u8(bit(r.IndoorTemp.AlarmLoSet, 7) | bit(r.IndoorTemp.AlarmHiSet, 6) |
                 bit(r.OutdoorTemp.AlarmLoSet, 5) | bit(r.OutdoorTemp.AlarmHiSet, 4)));
    return b.finish(0x9F);
}

QByteArray encodeAF(const WeatherRecord& r) {
    Body b(30);
    putFourDigits(b, 0, r.Barometer.Local);
    const int sea = r.Barometer.SeaLevel;
    b.set(2, bcd(sea % 100));
    b.set(3, bcd((sea / 100) % 100));
    b.low(4, sea / 10000);
    b.high(4, r.Barometer.UnitCode & 0x03);
    b.high(5, r.Barometer.Trend & 0x07);
    b.low(5, r.Barometer.Forecast);
    putDewPoint(b, 6, r.IndoorDew);
    b.low(16, clampTo(r.IndoorDew.AlarmHi, 1, 16) - 1);
    b.high(16, clampTo(r.OutdoorDew.AlarmHi, 1, 16) - 1);
    putDewPoint(b, 17, r.OutdoorDew);
    b.set(27, u8(bit(r.DewStatus.Bit7, 7) | bit(r.DewStatus.IndoorOutOfRange, 6) |
                 bit(r.DewStatus.Bit4, 4) | bit(r.DewStatus.OutdoorOutOfRange, 1)));
    b.set(28, u8(bit(r.Barometer.AlarmSet, 7) | bit(r.OutdoorDew.AlarmHiSet, 6) |
                 bit(r.IndoorDew.AlarmHiSet, 5) | (clampTo(r.Barometer.Alarm, 1, 16) - 1)));
    return b.finish(0xAF);
}

QByteArray encodeBF(const WeatherRecord& r) {
    Body b(13);
    const int rate = clampTo(r.Rain.Rate, 0, 999);
    b.set(0, bcd(rate % 100));
    b.low(1, rate / 100);
    putFourDigits(b, 2, r.Rain.Yesterday);
    putFourDigits(b, 4, r.Rain.Total);
    putTime(b, 6, r.Rain.TotalSince);
    b.orIn(9, bit(r.Rain.Bit5, 5));
    const int alarm = clampTo(r.Rain.Alarm, 0, 999);
    b.set(10, bcd(alarm % 100));
    b.set(11, u8((alarm / 100) | bit(r.Rain.RateOutOfRange, 7) | bit(r.Rain.AlarmSet, 4)));
    return b.finish(0xBF);
}

QByteArray encodeCF(const WeatherRecord& r) {
    Body b(26);
    const WindReading& w = r.Wind;
    putSpeedAndDirection(b, 0, w.GustSpeed, w.GustDir);
    putSpeedAndDirection(b, 3, w.AvgSpeed, w.AvgDir);
    putSpeedAndDirection(b, 6, w.HiSpeed, w.HiDir);
    putTime(b, 9, w.HiTime);
    const int alarm = clampTo(w.Alarm, 0, 199);
    b.high(12, alarm % 10);
    b.set(13, u8(((alarm / 10) % 10) | bit(alarm >= 100, 4)));
    b.high(14, w.UnitCode & 0x03);

    const WindchillReading& c = r.Windchill;
    b.set(15, bcd(clampTo(std::abs(c.Current), 0, 99)));
    b.set(16, bcd(clampTo(std::abs(c.Lo), 0, 99)));
    putTime(b, 17, c.LoTime);
    b.orIn(20, u8(bit(c.Current < 0, 5) | bit(c.Lo < 0, 4)));
    const int chillAlarm = clampTo(std::abs(c.Alarm), 0, 199);
    b.set(21, bcd(chillAlarm % 100));
    b.set(22, u8(bit(chillAlarm >= 100, 4) | bit(c.Alarm < 0, 3) | bit(r.Console.PowerDC, 6) |
                 bit(r.Console.BatteryLow, 7)));
    b.high(23, r.Console.DisplaySection & 0x07);
    b.set(24, u8(bit(w.GustFlag, 7) | bit(w.AvgFlag, 6) | bit(w.HiFlag, 5) | bit(w.AlarmSet, 2) |
                 bit(c.AlarmSet, 1)));
    return b.finish(0xCF);
}

}  // namespace

std::uint8_t groupChecksum(std::uint8_t groupByte, const QByteArray& bodyWithoutChecksum) {
    unsigned sum = groupByte;
    for (char c : bodyWithoutChecksum)
        sum += u8(c);
    return u8(sum & 0xFF);
}

QByteArray encodeGroupBody(std::uint8_t groupByte, const WeatherRecord& record) {
    switch (groupByte) {
        case 0x8F:
            return encode8F(record);
        case 0x9F:
            return encode9F(record);
        case 0xAF:
            return encodeAF(record);
        case 0xBF:
            return encodeBF(record);
        case 0xCF:
            return encodeCF(record);
        default:
            return {};
    }
}

QByteArray encodeGroup(std::uint8_t groupByte, const WeatherRecord& record) {
    QByteArray group = encodeGroupBody(groupByte, record);
    if (!group.isEmpty())
        group.prepend(char(groupByte));
    return group;
}
