// Group 0x9F: indoor and outdoor temperature with their extremes, times and alarm limits.
#include "station/decoder_helpers.h"

using namespace decoder;

namespace {

// Current value in tenths of °C: digits in byte k, hundreds in bits 0-2 and the sign in bit 3 of
// byte k + 1.
void readCurrent(GroupBody body, std::size_t k, TempReading& t) {
    const int magnitude = 100 * (low(body, k + 1) & 0x7) + 10 * high(body, k) + low(body, k);
    const bool negative = bit(body, k + 1, 3);
    t.Current = negative ? -magnitude : magnitude;
    t.Positive = !negative;
}

// Extreme in tenths of °C, one nibble later: tenths in the high nibble of byte k, units in the low
// nibble of byte k + 1, tens in its bits 4-6 and the sign in its bit 7.
void readExtremeValue(GroupBody body, std::size_t k, Extreme& e) {
    const int magnitude = 100 * ((body[k + 1] >> 4) & 0x7) + 10 * low(body, k + 1) + high(body, k);
    const bool negative = bit(body, k + 1, 7);
    e.Value = negative ? -magnitude : magnitude;
    e.Flag = !negative;
}

// Fifteen bytes from `at`: current, hi with time, lo with time, hi and lo alarm limit (whole °F).
void readTemperature(GroupBody body, std::size_t at, TempReading& t) {
    readCurrent(body, at, t);
    readExtremeValue(body, at + 1, t.Hi);
    readTime(body, at + 3, t.Hi.Time);
    readExtremeValue(body, at + 6, t.Lo);
    readTime(body, at + 8, t.Lo.Time);
    t.AlarmHi = high(body, at + 11) + 10 * low(body, at + 12) + 100 * bit(body, at + 12, 4);
    t.AlarmLo = low(body, at + 13) + 10 * high(body, at + 13) + 100 * bit(body, at + 14, 0);
}

}  // namespace

void DecodeGroup9F(GroupBody body, WeatherRecord& record) {
    readTemperature(body, 0, record.IndoorTemp);
    record.IndoorTempBit6Clear = !bit(body, 14, 6);
    readTemperature(body, 15, record.OutdoorTemp);

    record.IndoorTemp.AlarmLoSet = bit(body, 31, 7);
    record.IndoorTemp.AlarmHiSet = bit(body, 31, 6);
    record.OutdoorTemp.AlarmLoSet = bit(body, 31, 5);
    record.OutdoorTemp.AlarmHiSet = bit(body, 31, 4);
}
