// The one record of decoded station values, in the units the station sends (tenths of °C, whole %,
// tenths of mb, whole mm, tenths of m/s, degrees), and the bookkeeping the program keeps beside it.
// Member names are those of the station's groups, so that every reader names a value the same way.
#pragma once

#include <array>
#include <cstdint>

#include "station/rain_history.h"

struct StationTime {
    std::uint8_t Second = 0;
    std::uint8_t Minute = 0;
    std::uint8_t Hour = 0;
    std::uint8_t Day = 0;
    std::uint8_t Month = 0;
};

struct Extreme {
    StationTime Time;
    std::int32_t Value = 0;
    bool Flag = false;
};

struct HumidityReading {
    std::uint8_t Current = 0;
    std::uint8_t AlarmLo = 0;
    std::uint8_t AlarmHi = 0;
    Extreme Lo;
    Extreme Hi;
    bool OutOfRange = false;
    bool AlarmHiSet = false;
    bool AlarmLoSet = false;
};

struct TempReading {
    std::int32_t Current = 0;
    std::int32_t AlarmLo = 0;
    std::int32_t AlarmHi = 0;
    Extreme Lo;
    Extreme Hi;
    bool AlarmHiSet = false;
    bool AlarmLoSet = false;
    bool Positive = false;
};

struct StationClock {
    StationTime Time;
    bool MonthBit4 = false;
    bool MonthBit5 = false;
    std::uint8_t AlarmMinute = 0;
    std::uint8_t AlarmHour = 0;
    bool AlarmSet = false;
};

struct BarometerReading {
    std::uint16_t Local = 0;     // whole mb
    std::uint16_t SeaLevel = 0;  // tenths of mb
    std::uint16_t Alarm = 0;     // mb, 1..16
    bool AlarmSet = false;
    std::uint8_t Trend = 0;     // 1 rising, 2 steady, 4 falling
    std::uint8_t Forecast = 0;  // 1 sunny, 2 cloudy, 4 overcast, 8 rainy
    std::uint8_t UnitCode = 0;
};

struct DewPointStatus {
    bool IndoorOutOfRange = false;
    bool OutdoorOutOfRange = false;
    bool Bit7 = false;
    bool Bit4 = false;
};

struct RainReading {
    std::uint16_t Rate = 0;       // mm/h
    std::uint16_t Yesterday = 0;  // mm
    std::uint16_t Total = 0;      // mm
    std::uint16_t Alarm = 0;
    StationTime TotalSince;
    bool AlarmSet = false;
    bool RateOutOfRange = false;
    bool Bit5 = false;
};

struct WindReading {
    std::uint16_t GustSpeed = 0;  // tenths of m/s
    std::uint16_t GustDir = 0;    // degrees
    bool GustFlag = false;
    std::uint16_t AvgSpeed = 0;
    std::uint16_t AvgDir = 0;
    bool AvgFlag = false;
    std::uint16_t HiSpeed = 0;
    std::uint16_t HiDir = 0;
    bool HiFlag = false;
    StationTime HiTime;
    std::uint8_t Alarm = 0;
    bool AlarmSet = false;
    std::uint8_t UnitCode = 0;
};

struct WindchillReading {
    std::int32_t Current = 0;  // whole °C
    std::int32_t Lo = 0;
    StationTime LoTime;
    std::int32_t Alarm = 0;
    bool AlarmSet = false;
};

struct ConsoleStatus {
    bool PowerDC = false;
    bool BatteryLow = false;
    std::uint8_t DisplaySection = 0;  // 0..7
};

struct WeatherRecord {
    StationClock Clock;                  // group 0x8F
    HumidityReading IndoorHum;           // group 0x8F
    HumidityReading OutdoorHum;          // group 0x8F
    TempReading IndoorTemp;              // group 0x9F
    TempReading OutdoorTemp;             // group 0x9F
    bool IndoorTempBit6Clear = false;    // group 0x9F
    BarometerReading Barometer;          // group 0xAF
    TempReading IndoorDew;               // group 0xAF, whole °C
    TempReading OutdoorDew;              // group 0xAF, whole °C
    DewPointStatus DewStatus;            // group 0xAF
    RainReading Rain;                    // group 0xBF
    WindReading Wind;                    // group 0xCF
    std::uint16_t MinuteWindMax = 0;     // highest gust since the last minute tick (group 0xCF)
    std::uint16_t MinuteWindMaxDir = 0;  // direction that came with it
    WindchillReading Windchill;          // group 0xCF
    ConsoleStatus Console;               // group 0xCF
};

// Everything the station road and the scheduler keep for the whole run: the record and its
// bookkeeping. One instance lives as long as the program.
struct StationData {
    WeatherRecord Record;
    // Per group kind (index 0 = 0x8F ... 4 = 0xCF): a good serial group of that kind has arrived.
    std::array<bool, 5> GroupSeen{};
    // Per group kind: when its last good group arrived on either road, milliseconds since 1970
    // (UTC) by the application clock; 0 = never.
    std::array<std::int64_t, 5> GroupArrivedMs{};
    bool FirstRoundPending = false;
    // Per-minute gust maxima of the last five minutes, oldest first, tenths of m/s. Kept in 16 bits
    // so that a minute above 25.5 m/s is not cut to its low byte.
    std::array<std::uint16_t, 5> WindMaxRing{};
    std::uint16_t Rain24h = 0;
    std::uint16_t RainReference = 0;
    // A reference for Rain24h has been taken: by the first rain group of the run, an activation
    // run or the daily reference minute. Until then RainReference means nothing.
    bool RainReferenceTaken = false;
    // The accepted rain totals of the last day, for the rain of the last hour, of today and of the
    // last 24 hours as the APRS format and the weather networks mean them.
    RainHistory RainLog;

    void takeRainReference() {
        RainReference = Record.Rain.Total;
        RainReferenceTaken = true;
    }
    // After a rain group was decoded (applyGroup in group_table.h): while no reference has been
    // taken, its total becomes the reference.
    void rainGroupDecoded() {
        if (!RainReferenceTaken)
            takeRainReference();
    }

    // The highest gust of the last five minutes: the completed minutes of the ring and the minute
    // in progress, tenths of m/s.
    std::uint16_t fiveMinuteGust() const {
        std::uint16_t highest = Record.MinuteWindMax;
        for (std::uint16_t minute : WindMaxRing)
            highest = minute > highest ? minute : highest;
        return highest;
    }

    bool allGroupsSeen() const {
        for (bool seen : GroupSeen)
            if (!seen)
                return false;
        return true;
    }
};
