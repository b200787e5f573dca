// Group 0xBF: rain rate, yesterday's rain, the rain total with the time it counts from, rain alarm.
#include "station/decoder_helpers.h"

using namespace decoder;

void DecodeGroupBF(GroupBody body, WeatherRecord& record) {
    RainReading& rain = record.Rain;
    rain.Rate = u16(bcd(body, 0) + 100 * low(body, 1));
    rain.Yesterday = u16(bcd(body, 2) + 100 * bcd(body, 3));
    rain.Total = u16(bcd(body, 4) + 100 * bcd(body, 5));
    readTime(body, 6, rain.TotalSince);
    rain.Bit5 = bit(body, 9, 5);
    rain.Alarm = u16(bcd(body, 10) + 100 * low(body, 11));
    rain.RateOutOfRange = bit(body, 11, 7);
    rain.AlarmSet = bit(body, 11, 4);
}
