// Writes the record as JSON by hand, so that members keep their declaration order.
#include "station/record_json.h"

#include <charconv>
#include <cstring>

namespace {

// Writes compact JSON straight into a buffer reserved beforehand for the longest line
// (kMaxLine): member names are copied with their lengths known at compile time, numbers written
// by std::to_chars. Commas are placed by remembering whether a member opened the object.
class JsonWriter {
public:
    explicit JsonWriter(char* at) : at_(at) {}
    char* at() const { return at_; }

    template <std::size_t N>
    void begin(const char (&key)[N]) {
        name(key);
        begin();
    }
    void begin() {
        *at_++ = '{';
        first_ = true;
    }
    void end() {
        *at_++ = '}';
        first_ = false;
    }
    template <std::size_t N>
    void field(const char (&key)[N], long long v) {
        name(key);
        number(v);
    }
    template <std::size_t N>
    void field(const char (&key)[N], bool v) {
        name(key);
        boolean(v);
    }
    // Only the record's own unsigned and signed integers reach here, never char text.
    template <std::size_t N>
    void field(const char (&key)[N], std::uint8_t v) {
        field(key, static_cast<long long>(v));
    }
    template <std::size_t N>
    void field(const char (&key)[N], std::uint16_t v) {
        field(key, static_cast<long long>(v));
    }
    template <std::size_t N>
    void field(const char (&key)[N], std::int32_t v) {
        field(key, static_cast<long long>(v));
    }
    template <std::size_t N>
    void text(const char (&key)[N], const char* v) {
        name(key);
        if (!v) {
            put("null");
            return;
        }
        *at_++ = '"';  // only fixed ASCII texts without quotes
        const std::size_t length = std::strlen(v);
        std::memcpy(at_, v, length);
        at_ += length;
        *at_++ = '"';
    }
    template <std::size_t N, std::size_t M>
    void flags(const char (&key)[N], const std::array<bool, M>& v) {
        name(key);
        *at_++ = '[';
        for (std::size_t i = 0; i < M; ++i) {
            if (i)
                *at_++ = ',';
            boolean(v[i]);
        }
        *at_++ = ']';
    }

private:
    template <std::size_t N>
    void put(const char (&text)[N]) {
        std::memcpy(at_, text, N - 1);
        at_ += N - 1;
    }
    void boolean(bool v) {
        if (v)
            put("true");
        else
            put("false");
    }
    void number(long long v) {
        at_ = std::to_chars(at_, at_ + 24, v).ptr;  // a long long takes at most 20 characters
    }

public:
    template <std::size_t N>
    void name(const char (&key)[N]) {
        if (!first_)
            *at_++ = ',';
        first_ = false;
        *at_++ = '"';
        put(key);
        *at_++ = '"';
        *at_++ = ':';
    }

private:
    char* at_;
    bool first_ = true;
};

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const StationTime& t) {
    w.begin(key);
    w.field("Second", t.Second);
    w.field("Minute", t.Minute);
    w.field("Hour", t.Hour);
    w.field("Day", t.Day);
    w.field("Month", t.Month);
    w.end();
}

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const Extreme& e) {
    w.begin(key);
    write(w, "Time", e.Time);
    w.field("Value", e.Value);
    w.field("Flag", e.Flag);
    w.end();
}

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const HumidityReading& h) {
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

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const TempReading& t) {
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

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const StationClock& c) {
    w.begin(key);
    write(w, "Time", c.Time);
    w.field("MonthBit4", c.MonthBit4);
    w.field("MonthBit5", c.MonthBit5);
    w.field("AlarmMinute", c.AlarmMinute);
    w.field("AlarmHour", c.AlarmHour);
    w.field("AlarmSet", c.AlarmSet);
    w.end();
}

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const BarometerReading& b) {
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

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const DewPointStatus& d) {
    w.begin(key);
    w.field("IndoorOutOfRange", d.IndoorOutOfRange);
    w.field("OutdoorOutOfRange", d.OutdoorOutOfRange);
    w.field("Bit7", d.Bit7);
    w.field("Bit4", d.Bit4);
    w.end();
}

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const RainReading& r) {
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

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const WindReading& r) {
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

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const WindchillReading& c) {
    w.begin(key);
    w.field("Current", c.Current);
    w.field("Lo", c.Lo);
    write(w, "LoTime", c.LoTime);
    w.field("Alarm", c.Alarm);
    w.field("AlarmSet", c.AlarmSet);
    w.end();
}

template <std::size_t N>
void write(JsonWriter& w, const char (&key)[N], const ConsoleStatus& c) {
    w.begin(key);
    w.field("PowerDC", c.PowerDC);
    w.field("BatteryLow", c.BatteryLow);
    w.field("DisplaySection", c.DisplaySection);
    w.end();
}

// A member added to the record must be added to the writer above as well; this size check fails
// the build until someone looks (x86-64 and AArch64 lay the record out alike).
static_assert(sizeof(WeatherRecord) == 376,
              "WeatherRecord changed: update record_json.cpp and this size");

// The longest line: every member name and punctuation of a line (about 2,200 bytes) and every
// number at its longest (20 characters, fewer than 200 numbers), with room to spare.
constexpr qsizetype kMaxLine = 8192;

void writeRecord(JsonWriter& w, const WeatherRecord& r) {
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
}

// Hands a buffer of kMaxLine bytes to `fill` and keeps what it wrote.
template <typename Fill>
QByteArray written(Fill fill) {
    QByteArray out(kMaxLine, Qt::Uninitialized);
    JsonWriter w(out.data());
    fill(w);
    out.truncate(w.at() - out.constData());
    return out;
}

}  // namespace

QByteArray WeatherRecordJson(const WeatherRecord& r) {
    return written([&r](JsonWriter& w) { writeRecord(w, r); });
}

QByteArray RecordJsonLine(std::uint8_t groupByte, const char* checksum, const StationData& data,
                          bool droppedHeld) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const char group[3] = {kHex[groupByte >> 4], kHex[groupByte & 15], 0};
    return written([&](JsonWriter& w) {
        w.begin();
        w.text("group", group);
        w.text("checksum", checksum);
        if (droppedHeld)
            w.field("droppedHeld", true);
        w.name("record");
        writeRecord(w, data.Record);
        w.flags("GroupSeen", data.GroupSeen);
        w.field("MinuteWindMax", data.Record.MinuteWindMax);
        w.field("MinuteWindMaxDir", data.Record.MinuteWindMaxDir);
        w.end();
    });
}
