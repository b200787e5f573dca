// Group 0x8F: the console clock, its time alarm and the indoor and outdoor humidities.
#include "station/decoder_helpers.h"

using namespace decoder;

namespace {

// Twelve bytes from `at`: current, hi with its time, lo with its time (one nibble later), alarms.
void readHumidity(GroupBody body, std::size_t at, HumidityReading& h) {
    h.Current = u8(bcd(body, at));
    h.Hi.Value = bcd(body, at + 1);
    readTime(body, at + 2, h.Hi.Time);
    h.Lo.Value = split(body, at + 5);
    readSplitTime(body, at + 6, h.Lo.Time);
    h.Lo.Flag = false;
    h.AlarmHi = u8(bcd(body, at + 10));
    h.AlarmLo = u8(bcd(body, at + 11));
}

}  // namespace

void DecodeGroup8F(GroupBody body, WeatherRecord& record) {
    StationClock& clock = record.Clock;
    clock.Time.Second = u8(bcd(body, 0));
    clock.Time.Minute = u8(bcd(body, 1));
    clock.Time.Hour = u8(bcd(body, 2));
    clock.Time.Day = u8(bcd(body, 3));
    clock.Time.Month = u8(low(body, 4));
    clock.MonthBit4 = bit(body, 4, 4);
    clock.MonthBit5 = bit(body, 4, 5);
    clock.AlarmMinute = u8(bcd(body, 5));
    clock.AlarmHour = u8(bcd(body, 6));

    readHumidity(body, 7, record.IndoorHum);
    readHumidity(body, 19, record.OutdoorHum);

    record.IndoorHum.OutOfRange = bit(body, 31, 7);
    record.IndoorHum.Hi.Flag = bit(body, 31, 6);
    record.OutdoorHum.OutOfRange = bit(body, 31, 4);
    record.OutdoorHum.Hi.Flag = bit(body, 31, 3);

    record.IndoorHum.AlarmLoSet = bit(body, 32, 7);
    record.IndoorHum.AlarmHiSet = bit(body, 32, 6);
    record.OutdoorHum.AlarmHiSet = bit(body, 32, 5);
    record.OutdoorHum.AlarmLoSet = bit(body, 32, 4);
    clock.AlarmSet = bit(body, 32, 3);
}
