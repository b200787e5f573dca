// Packs record values into group bodies: the inverse of the decoders, written from the byte
// layout so that round trips catch a decoder reading the wrong nibble.
#include "test_groups.h"

#include <cstdlib>
#include <stdexcept>

namespace testing_groups {
namespace {

class Packer {
public:
    explicit Packer(int size) : bytes_(size, '\0') {}

    void low(int k, int v) { put(k, (byte(k) & 0xF0) | (v & 0x0F)); }
    void high(int k, int v) { put(k, (byte(k) & 0x0F) | ((v & 0x0F) << 4)); }
    void bcd(int k, int v) {
        check(v >= 0 && v <= 99);
        put(k, ((v / 10) << 4) | (v % 10));
    }
    // Units in the high nibble of k, tens in the low nibble of k + 1.
    void split(int k, int v) {
        check(v >= 0 && v <= 99);
        high(k, v % 10);
        low(k + 1, v / 10);
    }
    void bit(int k, int n, bool on) { put(k, on ? (byte(k) | (1 << n)) : (byte(k) & ~(1 << n))); }
    void time(int k, const StationTime& t) {
        bcd(k, t.Minute);
        bcd(k + 1, t.Hour);
        bcd(k + 2, t.Day);
        low(k + 3, t.Month);
    }
    void splitTime(int k, const StationTime& t) {
        split(k, t.Minute);
        split(k + 1, t.Hour);
        split(k + 2, t.Day);
        high(k + 3, t.Month);
    }
    QByteArray bytes() const { return bytes_; }

private:
    static void check(bool ok) {
        if (!ok)
            throw std::invalid_argument("value outside the console's range");
    }
    int byte(int k) const { return static_cast<std::uint8_t>(bytes_.at(k)); }
    void put(int k, int v) { bytes_[k] = static_cast<char>(v & 0xFF); }

    QByteArray bytes_;
};

void humidity(Packer& p, int at, const HumidityReading& h) {
    p.bcd(at, h.Current);
    p.bcd(at + 1, h.Hi.Value);
    p.time(at + 2, h.Hi.Time);
    p.split(at + 5, h.Lo.Value);
    p.splitTime(at + 6, h.Lo.Time);
    p.bcd(at + 10, h.AlarmHi);
    p.bcd(at + 11, h.AlarmLo);
}

void temperature(Packer& p, int at, const TempReading& t) {
    const int current = std::abs(t.Current);
    p.bcd(at, current % 100);
    p.low(at + 1, current / 100);
    p.bit(at + 1, 3, t.Current < 0);
    auto extreme = [&p](int k, int value) {
        const int m = std::abs(value);
        p.high(k, m % 10);
        p.low(k + 1, (m / 10) % 10);
        p.bit(k + 1, 4, (m / 100) & 1);
        p.bit(k + 1, 5, (m / 100) & 2);
        p.bit(k + 1, 6, (m / 100) & 4);
        p.bit(k + 1, 7, value < 0);
    };
    extreme(at + 1, t.Hi.Value);
    p.time(at + 3, t.Hi.Time);
    extreme(at + 6, t.Lo.Value);
    p.time(at + 8, t.Lo.Time);
    p.high(at + 11, t.AlarmHi % 10);
    p.low(at + 12, (t.AlarmHi / 10) % 10);
    p.bit(at + 12, 4, t.AlarmHi >= 100);
    p.low(at + 13, t.AlarmLo % 10);
    p.high(at + 13, (t.AlarmLo / 10) % 10);
    p.bit(at + 14, 0, t.AlarmLo >= 100);
}

void dewPoint(Packer& p, int at, const TempReading& d) {
    p.bcd(at, d.Current);
    p.bcd(at + 1, d.Hi.Value);
    p.time(at + 2, d.Hi.Time);
    p.split(at + 5, d.Lo.Value);
    p.splitTime(at + 6, d.Lo.Time);
}

void wind(Packer& p, int k, int speed, int dir) {
    p.bcd(k, speed % 100);
    p.low(k + 1, speed / 100);
    p.high(k + 1, dir % 10);
    p.bcd(k + 2, dir / 10);
}

}  // namespace

QByteArray body8F(const WeatherRecord& r) {
    Packer p(33);
    p.bcd(0, r.Clock.Time.Second);
    p.bcd(1, r.Clock.Time.Minute);
    p.bcd(2, r.Clock.Time.Hour);
    p.bcd(3, r.Clock.Time.Day);
    p.low(4, r.Clock.Time.Month);
    p.bit(4, 4, r.Clock.MonthBit4);
    p.bit(4, 5, r.Clock.MonthBit5);
    p.bcd(5, r.Clock.AlarmMinute);
    p.bcd(6, r.Clock.AlarmHour);
    humidity(p, 7, r.IndoorHum);
    humidity(p, 19, r.OutdoorHum);
    p.bit(31, 7, r.IndoorHum.OutOfRange);
    p.bit(31, 6, r.IndoorHum.Hi.Flag);
    p.bit(31, 4, r.OutdoorHum.OutOfRange);
    p.bit(31, 3, r.OutdoorHum.Hi.Flag);
    p.bit(32, 7, r.IndoorHum.AlarmLoSet);
    p.bit(32, 6, r.IndoorHum.AlarmHiSet);
    p.bit(32, 5, r.OutdoorHum.AlarmHiSet);
    p.bit(32, 4, r.OutdoorHum.AlarmLoSet);
    p.bit(32, 3, r.Clock.AlarmSet);
    return p.bytes();
}

QByteArray body9F(const WeatherRecord& r) {
    Packer p(32);
    temperature(p, 0, r.IndoorTemp);
    p.bit(14, 6, !r.IndoorTempBit6Clear);
    temperature(p, 15, r.OutdoorTemp);
    p.bit(31, 7, r.IndoorTemp.AlarmLoSet);
    p.bit(31, 6, r.IndoorTemp.AlarmHiSet);
    p.bit(31, 5, r.OutdoorTemp.AlarmLoSet);
    p.bit(31, 4, r.OutdoorTemp.AlarmHiSet);
    return p.bytes();
}

QByteArray bodyAF(const WeatherRecord& r) {
    Packer p(29);
    const int local = r.Barometer.Local;
    p.low(0, local % 10);
    p.high(0, (local / 10) % 10);
    p.low(1, (local / 100) % 10);
    p.high(1, local / 1000);
    const int sea = r.Barometer.SeaLevel;
    p.low(2, sea % 10);
    p.high(2, (sea / 10) % 10);
    p.low(3, (sea / 100) % 10);
    p.high(3, (sea / 1000) % 10);
    p.low(4, sea / 10000);
    p.high(4, r.Barometer.UnitCode);
    p.high(5, r.Barometer.Trend);
    p.low(5, r.Barometer.Forecast);
    dewPoint(p, 6, r.IndoorDew);
    p.low(16, r.IndoorDew.AlarmHi - 1);
    p.high(16, r.OutdoorDew.AlarmHi - 1);
    dewPoint(p, 17, r.OutdoorDew);
    p.bit(27, 7, r.DewStatus.Bit7);
    p.bit(27, 6, r.DewStatus.IndoorOutOfRange);
    p.bit(27, 4, r.DewStatus.Bit4);
    p.bit(27, 1, r.DewStatus.OutdoorOutOfRange);
    p.bit(28, 7, r.Barometer.AlarmSet);
    p.bit(28, 6, r.OutdoorDew.AlarmHiSet);
    p.bit(28, 5, r.IndoorDew.AlarmHiSet);
    p.low(28, r.Barometer.Alarm - 1);
    return p.bytes();
}

QByteArray bodyBF(const WeatherRecord& r) {
    Packer p(12);
    p.bcd(0, r.Rain.Rate % 100);
    p.low(1, r.Rain.Rate / 100);
    p.bcd(2, r.Rain.Yesterday % 100);
    p.bcd(3, r.Rain.Yesterday / 100);
    p.bcd(4, r.Rain.Total % 100);
    p.bcd(5, r.Rain.Total / 100);
    p.time(6, r.Rain.TotalSince);
    p.bit(9, 5, r.Rain.Bit5);
    p.bcd(10, r.Rain.Alarm % 100);
    p.low(11, r.Rain.Alarm / 100);
    p.bit(11, 7, r.Rain.RateOutOfRange);
    p.bit(11, 4, r.Rain.AlarmSet);
    return p.bytes();
}

QByteArray bodyCF(const WeatherRecord& r) {
    Packer p(25);
    const WindReading& w = r.Wind;
    wind(p, 0, w.GustSpeed, w.GustDir);
    wind(p, 3, w.AvgSpeed, w.AvgDir);
    wind(p, 6, w.HiSpeed, w.HiDir);
    p.time(9, w.HiTime);
    p.high(12, w.Alarm % 10);
    p.low(13, (w.Alarm / 10) % 10);
    p.bit(13, 4, w.Alarm >= 100);
    p.high(14, w.UnitCode);
    const WindchillReading& c = r.Windchill;
    p.bcd(15, std::abs(c.Current));
    p.bcd(16, std::abs(c.Lo));
    p.time(17, c.LoTime);
    p.bit(20, 5, c.Current < 0);
    p.bit(20, 4, c.Lo < 0);
    p.bcd(21, std::abs(c.Alarm) % 100);
    p.bit(22, 4, std::abs(c.Alarm) >= 100);
    p.bit(22, 3, c.Alarm < 0);
    p.bit(22, 6, r.Console.PowerDC);
    p.bit(22, 7, r.Console.BatteryLow);
    p.high(23, r.Console.DisplaySection);
    p.bit(24, 7, w.GustFlag);
    p.bit(24, 6, w.AvgFlag);
    p.bit(24, 5, w.HiFlag);
    p.bit(24, 2, w.AlarmSet);
    p.bit(24, 1, c.AlarmSet);
    return p.bytes();
}

QByteArray frame(std::uint8_t groupByte, const QByteArray& body) {
    std::uint8_t sum = groupByte;
    for (char b : body)
        sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(b));
    QByteArray out;
    out.append(static_cast<char>(groupByte)).append(body).append(static_cast<char>(sum));
    return out;
}

QByteArray frameWithBadChecksum(std::uint8_t groupByte, const QByteArray& body) {
    QByteArray out = frame(groupByte, body);
    out.back() = static_cast<char>(static_cast<std::uint8_t>(out.back()) + 1);
    return out;
}

QByteArray group(std::uint8_t groupByte, const WeatherRecord& r) {
    switch (groupByte) {
        case 0x8F:
            return frame(groupByte, body8F(r));
        case 0x9F:
            return frame(groupByte, body9F(r));
        case 0xAF:
            return frame(groupByte, bodyAF(r));
        case 0xBF:
            return frame(groupByte, bodyBF(r));
        case 0xCF:
            return frame(groupByte, bodyCF(r));
    }
    throw std::invalid_argument("no such group");
}

StationData sampleStation() {
    StationData data;
    data.Record = sampleRecord();
    data.GroupArrivedMs.fill(1);
    return data;
}

WeatherRecord sampleRecord() {
    WeatherRecord r;
    r.Clock.Time = {45, 30, 12, 24, 6};
    r.Clock.AlarmMinute = 15;
    r.Clock.AlarmHour = 7;
    r.Clock.AlarmSet = true;
    r.Clock.MonthBit4 = true;

    r.IndoorHum.Current = 48;
    r.IndoorHum.Hi = {{0, 10, 3, 22, 6}, 61, false};
    r.IndoorHum.Lo = {{0, 55, 14, 23, 6}, 43, false};
    r.IndoorHum.AlarmHi = 70;
    r.IndoorHum.AlarmLo = 30;
    r.IndoorHum.AlarmHiSet = true;
    r.OutdoorHum.Current = 87;
    r.OutdoorHum.Hi = {{0, 5, 5, 24, 6}, 97, true};
    r.OutdoorHum.Lo = {{0, 40, 16, 21, 6}, 35, false};
    r.OutdoorHum.AlarmHi = 95;
    r.OutdoorHum.AlarmLo = 20;
    r.OutdoorHum.AlarmLoSet = true;

    r.IndoorTemp.Current = 215;
    r.IndoorTemp.Positive = true;
    r.IndoorTemp.Hi = {{0, 12, 15, 23, 6}, 243, true};
    r.IndoorTemp.Lo = {{0, 30, 4, 24, 6}, 187, true};
    r.IndoorTemp.AlarmHi = 86;
    r.IndoorTemp.AlarmLo = 50;
    r.IndoorTemp.AlarmHiSet = true;
    r.IndoorTempBit6Clear = true;
    r.OutdoorTemp.Current = -57;
    r.OutdoorTemp.Positive = false;
    r.OutdoorTemp.Hi = {{0, 45, 13, 22, 6}, 126, true};
    r.OutdoorTemp.Lo = {{0, 50, 5, 24, 6}, -83, false};
    r.OutdoorTemp.AlarmHi = 104;
    r.OutdoorTemp.AlarmLo = 14;
    r.OutdoorTemp.AlarmLoSet = true;

    r.Barometer = {1013, 10182, 3, true, 4, 2, 1};
    r.IndoorDew.Current = 11;
    r.IndoorDew.Hi = {{0, 20, 9, 23, 6}, 14, false};
    r.IndoorDew.Lo = {{0, 10, 2, 22, 6}, 7, false};
    r.IndoorDew.AlarmHi = 5;
    r.IndoorDew.AlarmHiSet = true;
    r.OutdoorDew.Current = 3;
    r.OutdoorDew.Hi = {{0, 1, 17, 21, 6}, 12, false};
    r.OutdoorDew.Lo = {{0, 58, 23, 24, 6}, 1, false};
    r.OutdoorDew.AlarmHi = 16;
    r.DewStatus.Bit4 = true;

    r.Rain.Rate = 12;
    r.Rain.Yesterday = 37;
    r.Rain.Total = 1234;
    r.Rain.Alarm = 250;
    r.Rain.TotalSince = {0, 0, 8, 1, 5};
    r.Rain.AlarmSet = true;

    r.Wind.GustSpeed = 156;
    r.Wind.GustDir = 227;
    r.Wind.AvgSpeed = 84;
    r.Wind.AvgDir = 225;
    r.Wind.HiSpeed = 312;
    r.Wind.HiDir = 270;
    r.Wind.HiTime = {0, 41, 16, 20, 6};
    r.Wind.Alarm = 150;
    r.Wind.AlarmSet = true;
    r.Wind.UnitCode = 1;
    r.Windchill.Current = -7;
    r.Windchill.Lo = -15;
    r.Windchill.LoTime = {0, 20, 6, 19, 6};
    r.Windchill.Alarm = -10;
    r.Windchill.AlarmSet = true;
    r.Console.PowerDC = true;
    r.Console.DisplaySection = 5;
    return r;
}

}  // namespace testing_groups
