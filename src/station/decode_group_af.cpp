// Group 0xAF: local and sea-level pressure, trend, forecast, pressure alarm and the dew points.
#include "station/decoder_helpers.h"

using namespace decoder;

namespace {

// Ten bytes from `at`: current, hi with time, lo with time (one nibble later), whole °C unsigned.
void readDewPoint(GroupBody body, std::size_t at, TempReading& d) {
    d.Current = bcd(body, at);
    d.Hi.Value = bcd(body, at + 1);
    readTime(body, at + 2, d.Hi.Time);
    d.Lo.Value = split(body, at + 5);
    readSplitTime(body, at + 6, d.Lo.Time);
    d.AlarmLoSet = false;
}

}  // namespace

void DecodeGroupAF(GroupBody body, WeatherRecord& record) {
    BarometerReading& baro = record.Barometer;
    baro.Local = u16(low(body, 0) + 10 * high(body, 0) + 100 * low(body, 1) + 1000 * high(body, 1));
    // Five digits can exceed 16 bits (up to 166665); the station's arithmetic wraps there.
    baro.SeaLevel = u16(low(body, 2) + 10 * high(body, 2) + 100 * low(body, 3) +
                        1000 * high(body, 3) + 10000 * low(body, 4));
    baro.UnitCode = unitCode(high(body, 4));
    baro.Trend = withoutTopBit(high(body, 5));
    baro.Forecast = u8(low(body, 5));

    readDewPoint(body, 6, record.IndoorDew);
    record.IndoorDew.AlarmHi = low(body, 16) + 1;
    record.OutdoorDew.AlarmHi = high(body, 16) + 1;
    readDewPoint(body, 17, record.OutdoorDew);

    record.DewStatus.Bit7 = bit(body, 27, 7);
    record.DewStatus.IndoorOutOfRange = bit(body, 27, 6);
    record.DewStatus.Bit4 = bit(body, 27, 4);
    record.DewStatus.OutdoorOutOfRange = bit(body, 27, 1);

    baro.AlarmSet = bit(body, 28, 7);
    record.OutdoorDew.AlarmHiSet = bit(body, 28, 6);
    record.IndoorDew.AlarmHiSet = bit(body, 28, 5);
    baro.Alarm = u16(low(body, 28) + 1);
}
