// Group 0xCF: gust, average and highest wind, the wind alarm, wind chill and the console status.
// Also keeps the highest gust since the last minute tick.
#include "station/decoder_helpers.h"

using namespace decoder;

namespace {

// Speed in tenths of m/s from byte k and the low nibble of k + 1; direction in degrees from the
// high nibble of k + 1 (units) and byte k + 2 (tens and hundreds).
void readWind(GroupBody body, std::size_t k, std::uint16_t& speed, std::uint16_t& dir) {
    speed = u16(bcd(body, k) + 100 * low(body, k + 1));
    dir = u16(high(body, k + 1) + 10 * bcd(body, k + 2));
}

int negatedIf(bool negative, int v) {
    return negative ? -v : v;
}

}  // namespace

void DecodeGroupCF(GroupBody body, WeatherRecord& record) {
    WindReading& wind = record.Wind;
    readWind(body, 0, wind.GustSpeed, wind.GustDir);
    wind.GustFlag = bit(body, 24, 7);
    readWind(body, 3, wind.AvgSpeed, wind.AvgDir);
    wind.AvgFlag = bit(body, 24, 6);

    // Only a strictly higher gust replaces the minute's maximum and its direction.
    if (wind.GustSpeed > record.MinuteWindMax) {
        record.MinuteWindMax = wind.GustSpeed;
        record.MinuteWindMaxDir = wind.GustDir;
    }

    readWind(body, 6, wind.HiSpeed, wind.HiDir);
    wind.HiFlag = bit(body, 24, 5);
    readTime(body, 9, wind.HiTime);
    wind.Alarm = u8(high(body, 12) + 10 * low(body, 13) + 100 * bit(body, 13, 4));
    wind.AlarmSet = bit(body, 24, 2);
    wind.UnitCode = unitCode(high(body, 14));

    WindchillReading& chill = record.Windchill;
    chill.Current = negatedIf(bit(body, 20, 5), bcd(body, 15));
    chill.Lo = negatedIf(bit(body, 20, 4), bcd(body, 16));
    readTime(body, 17, chill.LoTime);
    chill.Alarm = negatedIf(bit(body, 22, 3), bcd(body, 21) + 100 * bit(body, 22, 4));
    chill.AlarmSet = bit(body, 24, 1);

    record.Console.PowerDC = bit(body, 22, 6);
    record.Console.BatteryLow = bit(body, 22, 7);
    record.Console.DisplaySection = withoutTopBit(high(body, 23));
}
