// Writes the record as JSON by hand, so that members keep their declaration order.
#include "station/record_json.h"

#include <cstdio>

namespace {

// Appends compact JSON; commas are placed by remembering whether a member opened the object.
class JsonWriter {
public:
    explicit JsonWriter(QByteArray& out) : out_(out) {}

    void begin(const char* key = nullptr) {
        if (key)
            name(key);
        out_.append('{');
        first_ = true;
    }
    void end() {
        out_.append('}');
        first_ = false;
    }
    void field(const char* key, long long v) {
        name(key);
        out_.append(QByteArray::number(v));
    }
    void field(const char* key, bool v) {
        name(key);
        out_.append(v ? "true" : "false");
    }
    // Only the record's own unsigned and signed integers reach here, never char text.
    void field(const char* key, std::uint8_t v) { field(key, static_cast<long long>(v)); }
    void field(const char* key, std::uint16_t v) { field(key, static_cast<long long>(v)); }
    void field(const char* key, std::int32_t v) { field(key, static_cast<long long>(v)); }
    void text(const char* key, const char* v) {
        name(key);
        if (!v) {
            out_.append("null");
            return;
        }
        out_.append('"').append(v).append('"');  // only fixed ASCII texts without quotes
    }
    template <std::size_t N>
    void flags(const char* key, const std::array<bool, N>& v) {
        name(key);
        out_.append('[');
        for (std::size_t i = 0; i < N; ++i) {
            if (i)
                out_.append(',');
            out_.append(v[i] ? "true" : "false");
        }
        out_.append(']');
    }
    void raw(const char* key, const QByteArray& json) {
        name(key);
        out_.append(json);
    }

private:
    void name(const char* key) {
        if (!first_)
            out_.append(',');
        first_ = false;
        out_.append('"').append(key).append("\":");
    }

    QByteArray& out_;
    bool first_ = true;
};

void write(JsonWriter& w, const char* key, const StationTime& t) {
    w.begin(key);
    w.field("Second", t.Second);
    w.field("Minute", t.Minute);
    w.field("Hour", t.Hour);
    w.field("Day", t.Day);
    w.field("Month", t.Month);
    w.end();
}

void write(JsonWriter& w, const char* key, const Extreme& e) {
    w.begin(key);
    write(w, "Time", e.Time);
    w.field("Value", e.Value);
    w.field("Flag", e.Flag);
    w.end();
}

void write(JsonWriter& w, const char* key, const HumidityReading& h) {
    w.begin(key);
    w.field("Current", h.Current);
    w.field("AlarmLo", h.AlarmLo);
    w.field("AlarmHi", h.AlarmHi);
    write(w, "Lo", h.Lo);
    write(w, "Hi", h.Hi);
    w.field("OutOfRange", h.OutOfRange);
    w.field("AlarmHiSet", h.AlarmHiSet);
    w.field("AlarmLoSet", h.AlarmLoSet);
    w.end();
}

void write(JsonWriter& w, const char* key, const TempReading& t) {
    w.begin(key);
    w.field("Current", t.Current);
    w.field("AlarmLo", t.AlarmLo);
    w.field("AlarmHi", t.AlarmHi);
    write(w, "Lo", t.Lo);
    write(w, "Hi", t.Hi);
    w.field("AlarmHiSet", t.AlarmHiSet);
    w.field("AlarmLoSet", t.AlarmLoSet);
    w.field("Positive", t.Positive);
    w.end();
}

void write(JsonWriter& w, const char* key, const StationClock& c) {
    w.begin(key);
    write(w, "Time", c.Time);
    w.field("MonthBit4", c.MonthBit4);
    w.field("MonthBit5", c.MonthBit5);
    w.field("AlarmMinute", c.AlarmMinute);
    w.field("AlarmHour", c.AlarmHour);
    w.field("AlarmSet", c.AlarmSet);
    w.end();
}

void write(JsonWriter& w, const char* key, const BarometerReading& b) {
    w.begin(key);
    w.field("Local", b.Local);
    w.field("SeaLevel", b.SeaLevel);
    w.field("Alarm", b.Alarm);
    w.field("AlarmSet", b.AlarmSet);
    w.field("Trend", b.Trend);
    w.field("Forecast", b.Forecast);
    w.field("UnitCode", b.UnitCode);
    w.end();
}

void write(JsonWriter& w, const char* key, const DewPointStatus& d) {
    w.begin(key);
    w.field("IndoorOutOfRange", d.IndoorOutOfRange);
    w.field("OutdoorOutOfRange", d.OutdoorOutOfRange);
    w.field("Bit7", d.Bit7);
    w.field("Bit4", d.Bit4);
    w.end();
}

void write(JsonWriter& w, const char* key, const RainReading& r) {
    w.begin(key);
    w.field("Rate", r.Rate);
    w.field("Yesterday", r.Yesterday);
    w.field("Total", r.Total);
    w.field("Alarm", r.Alarm);
    write(w, "TotalSince", r.TotalSince);
    w.field("AlarmSet", r.AlarmSet);
    w.field("RateOutOfRange", r.RateOutOfRange);
    w.field("Bit5", r.Bit5);
    w.end();
}

void write(JsonWriter& w, const char* key, const WindReading& r) {
    w.begin(key);
    w.field("GustSpeed", r.GustSpeed);
    w.field("GustDir", r.GustDir);
    w.field("GustFlag", r.GustFlag);
    w.field("AvgSpeed", r.AvgSpeed);
    w.field("AvgDir", r.AvgDir);
    w.field("AvgFlag", r.AvgFlag);
    w.field("HiSpeed", r.HiSpeed);
    w.field("HiDir", r.HiDir);
    w.field("HiFlag", r.HiFlag);
    write(w, "HiTime", r.HiTime);
    w.field("Alarm", r.Alarm);
    w.field("AlarmSet", r.AlarmSet);
    w.field("UnitCode", r.UnitCode);
    w.end();
}

void write(JsonWriter& w, const char* key, const WindchillReading& c) {
    w.begin(key);
    w.field("Current", c.Current);
    w.field("Lo", c.Lo);
    write(w, "LoTime", c.LoTime);
    w.field("Alarm", c.Alarm);
    w.field("AlarmSet", c.AlarmSet);
    w.end();
}

void write(JsonWriter& w, const char* key, const ConsoleStatus& c) {
    w.begin(key);
    w.field("PowerDC", c.PowerDC);
    w.field("BatteryLow", c.BatteryLow);
    w.field("DisplaySection", c.DisplaySection);
    w.end();
}

}  // namespace

// A member added to the record must be added to the writer above as well; this size check fails
// the build until someone looks (x86-64 and AArch64 lay the record out alike).
static_assert(sizeof(WeatherRecord) == 376,
              "WeatherRecord changed: update record_json.cpp and this size");

QByteArray WeatherRecordJson(const WeatherRecord& r) {
    QByteArray out;
    out.reserve(2048);
    JsonWriter w(out);
    w.begin();
    write(w, "Clock", r.Clock);
    write(w, "IndoorHum", r.IndoorHum);
    write(w, "OutdoorHum", r.OutdoorHum);
    write(w, "IndoorTemp", r.IndoorTemp);
    write(w, "OutdoorTemp", r.OutdoorTemp);
    w.field("IndoorTempBit6Clear", r.IndoorTempBit6Clear);
    write(w, "Barometer", r.Barometer);
    write(w, "IndoorDew", r.IndoorDew);
    write(w, "OutdoorDew", r.OutdoorDew);
    write(w, "DewStatus", r.DewStatus);
    write(w, "Rain", r.Rain);
    write(w, "Wind", r.Wind);
    write(w, "Windchill", r.Windchill);
    write(w, "Console", r.Console);
    w.end();
    return out;
}

QByteArray RecordJsonLine(std::uint8_t groupByte, const char* checksum, const StationData& data,
                          bool droppedHeld) {
    char group[3];
    std::snprintf(group, sizeof group, "%02X", groupByte);
    QByteArray out;
    out.reserve(2300);
    JsonWriter w(out);
    w.begin();
    w.text("group", group);
    w.text("checksum", checksum);
    if (droppedHeld)
        w.field("droppedHeld", true);
    w.raw("record", WeatherRecordJson(data.Record));
    w.flags("GroupSeen", data.GroupSeen);
    w.field("MinuteWindMax", data.Record.MinuteWindMax);
    w.field("MinuteWindMaxDir", data.Record.MinuteWindMaxDir);
    w.end();
    return out;
}
