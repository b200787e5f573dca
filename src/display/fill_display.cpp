#include "display/fill_display.h"

#include <QDate>
#include <QTime>
#include <algorithm>

#include "display/display_design.h"
#include "display/display_texts.h"
#include "station/station_date.h"

std::optional<QString> DisplayRefresh::textOf(const QString& name) const {
    for (const LabelText& l : labels)
        if (l.name == name)
            return l.text;
    return std::nullopt;
}

std::optional<int> DisplayRefresh::barOf(const QString& name) const {
    for (const BarPosition& b : bars)
        if (b.name == name)
            return b.value;
    return std::nullopt;
}

namespace {
const QString kDegC = QString::fromUtf8("°C");
const QString kBlankDegC = QString::fromUtf8(" °C");
const QString kDegF = QString::fromUtf8("°F");

QString num(qint64 v) {
    return QString::number(v);
}

// Builds the refresh step by step, in the order the window is filled.
class Refresh {
public:
    Refresh(const Formats& formats, const StationTime& clock, const QDateTime& now)
        : formats_(formats), clock_(clock), now_(now) {}

    void label(const char* name, const QString& text) {
        out.labels.push_back({QString::fromLatin1(name), text});
    }
    void bar(const char* name, qint64 value) {
        const QString barName = QString::fromLatin1(name);
        int lo = 0, hi = 100;
        for (const GroupBoxDesign& d : groupBoxDesigns())
            if (d.hasGauge && d.gauge.barName == barName) {
                lo = d.gauge.minimum;
                hi = d.gauge.maximum;
            }
        out.bars.push_back({barName, int(std::clamp<qint64>(value, lo, hi))});
    }
    // A stamp that forms no date or time leaves its label as it is.
    void extremeTime(const char* name, const StationTime& t) {
        const auto moment = StationStampMoment(t, clock_, now_);
        if (!moment)
            return;
        if (auto text =
                ExtremeTimeText(t.Minute, t.Hour, t.Day, t.Month, moment->date().year(), formats_))
            label(name, *text);
    }
    QString tenths(qint64 v) const { return TenthsText(v, formats_); }

    DisplayRefresh out;

private:
    const Formats& formats_;
    const StationTime& clock_;
    QDateTime now_;
};

// Group kinds by their index in StationData (0 = 0x8F ... 4 = 0xCF).
constexpr std::size_t kClockGroup = 0;  // clock, humidities
constexpr std::size_t kTempGroup = 1;
constexpr std::size_t kBaroGroup = 2;  // barometer, dew points
constexpr std::size_t kRainGroup = 3;
constexpr std::size_t kWindGroup = 4;  // wind, wind chill, console

// Labels of a group that has not arrived: the label's own word and kNoValue, no invented number.
// Time labels are left empty.
struct Unknown {
    Refresh& r;
    void operator()(const char* name, const char* prefix) const {
        r.label(name, QString::fromUtf8(prefix) + kNoValue);
    }
    void blank(std::initializer_list<const char*> names) const {
        for (const char* name : names)
            r.label(name, QString());
    }
};

QString alarmText(bool set, qint64 limit, const QString& unit) {
    return set ? QStringLiteral("Alarm bei ") + num(limit) + unit : kAlarmNotSet;
}

void humidity(Refresh& r, const HumidityReading& h, const char* current, const char* bar,
              const char* hi, const char* hiTime, const char* lo, const char* loTime,
              const char* alarmHi, const char* alarmLo) {
    const QString pct = QStringLiteral("%");
    r.label(current,
            h.OutOfRange ? kOutOfRange : QStringLiteral("Aktuell ") + num(h.Current) + pct);
    r.bar(bar, h.Current);
    r.label(hi, QStringLiteral("Hi ") + num(h.Hi.Value) + pct);
    r.extremeTime(hiTime, h.Hi.Time);
    r.label(lo, QStringLiteral("Lo ") + num(h.Lo.Value) + pct);
    r.extremeTime(loTime, h.Lo.Time);
    r.label(alarmHi, alarmText(h.AlarmHiSet, h.AlarmHi, pct));
    r.label(alarmLo, alarmText(h.AlarmLoSet, h.AlarmLo, pct));
}

// Temperatures: the current value and the extremes carry their unit with or without a blank, as
// the two boxes were designed.
void temperature(Refresh& r, const TempReading& t, const QString& currentUnit,
                 const QString& extremeUnit, const char* current, const char* bar, const char* hi,
                 const char* hiTime, const char* lo, const char* loTime, const char* alarmHi,
                 const char* alarmLo) {
    r.label(current, QStringLiteral("Aktuell ") + r.tenths(t.Current) + currentUnit);
    r.bar(bar, t.Current / 10);
    r.label(hi, QStringLiteral("Hi ") + r.tenths(t.Hi.Value) + extremeUnit);
    r.extremeTime(hiTime, t.Hi.Time);
    r.label(lo, QStringLiteral("Lo ") + r.tenths(t.Lo.Value) + extremeUnit);
    r.extremeTime(loTime, t.Lo.Time);
    r.label(alarmHi, alarmText(t.AlarmHiSet, t.AlarmHi, kDegF));
    r.label(alarmLo, alarmText(t.AlarmLoSet, t.AlarmLo, kDegF));
}

void dewPoint(Refresh& r, const TempReading& d, bool outOfRange, const char* current,
              const char* hi, const char* hiTime, const char* lo, const char* loTime,
              const char* alarm) {
    r.label(current,
            outOfRange ? kOutOfRange : QStringLiteral("Aktuell ") + num(d.Current) + kDegC);
    r.label(hi, QStringLiteral("Hi ") + num(d.Hi.Value) + kBlankDegC);
    r.extremeTime(hiTime, d.Hi.Time);
    r.label(lo, QStringLiteral("Lo ") + num(d.Lo.Value) + kBlankDegC);
    r.extremeTime(loTime, d.Lo.Time);
    r.label(alarm, alarmText(d.AlarmHiSet, d.AlarmHi, kDegC));
}

void stationClock(Refresh& r, const StationClock& c, const Formats& formats, const QDateTime& now) {
    if (c.Time.Month != 0 && c.Time.Day != 0) {
        const QTime time(c.Time.Hour, c.Time.Minute, c.Time.Second, 0);
        if (!time.isValid())
            return;
        r.label("Label1", formats.longTime(time));
        if (const auto date = StationClockDate(c.Time, now.date()))
            r.label("Label2", formats.shortDate(*date));
    } else {
        r.label("Label1", formats.longTime(now.time()));
        r.label("Label2", formats.shortDate(now.date()));
    }
}

// The trend and forecast labels show their word after a prefix; a word that is already shown
// leaves label and picture alone.
void codedWord(Refresh& r, const char* name, const QString& shownText, const QString& prefix,
               const QString& word, int code, int pictures, std::optional<int>& picture) {
    if (shownText.mid(prefix.size()) == word)
        return;
    r.label(name, prefix + word);
    picture = code < pictures ? code : -1;
}
}  // namespace

DisplayRefresh FillDisplay(const StationData& data, const DisplayMemory& memory,
                           const Formats& formats, const QDateTime& now) {
    return FillDisplay(data, memory, formats, now, DisplayGroups{true, true, true, true, true});
}

DisplayRefresh FillDisplay(const StationData& data, const DisplayMemory& memory,
                           const Formats& formats, const QDateTime& now,
                           const DisplayGroups& groups) {
    const WeatherRecord& w = data.Record;
    Refresh r(formats, w.Clock.Time, now);
    auto arrived = [&data](std::size_t group) { return data.GroupArrivedMs[group] != 0; };
    const Unknown unknown{r};
    bool anyArrived = false;
    for (std::size_t g = 0; g < data.GroupArrivedMs.size(); ++g)
        anyArrived = anyArrived || arrived(g);

    // Station clock: before any group there is no "last query" to show.
    if (anyArrived) {
        stationClock(r, w.Clock, formats, now);
    } else {
        unknown("Label1", "");
        unknown.blank({"Label2"});
    }
    if (groups[kClockGroup] && !arrived(kClockGroup)) {
        unknown("Label6", "Alarm: ");
        for (const char* current : {"Label8", "Label5"})
            unknown(current, "Aktuell ");
        for (const char* hi : {"Label9", "Label14"})
            unknown(hi, "Hi ");
        for (const char* lo : {"Label10", "Label15"})
            unknown(lo, "Lo ");
        unknown.blank({"Label7", "Label13", "Label18", "Label19"});
        for (const char* alarm : {"Label11", "Label12", "Label16", "Label17"})
            unknown(alarm, "Alarm: ");
    } else if (groups[kClockGroup]) {
        r.label("Label6", w.Clock.AlarmSet ? QStringLiteral("Alarm um ") + num(w.Clock.AlarmHour) +
                                                 QStringLiteral(":") + num(w.Clock.AlarmMinute)
                                           : kAlarmNotSet);

        humidity(r, w.IndoorHum, "Label8", "ProgressBar1", "Label9", "Label7", "Label10", "Label13",
                 "Label11", "Label12");
        humidity(r, w.OutdoorHum, "Label5", "ProgressBar2", "Label14", "Label18", "Label15",
                 "Label19", "Label16", "Label17");
    }
    if (groups[kTempGroup] && !arrived(kTempGroup)) {
        for (const char* current : {"Label22", "Label29"})
            unknown(current, "Aktuell ");
        for (const char* hi : {"Label23", "Label30"})
            unknown(hi, "Hi ");
        for (const char* lo : {"Label24", "Label31"})
            unknown(lo, "Lo ");
        unknown.blank({"Label27", "Label28", "Label34", "Label35"});
        for (const char* alarm : {"Label25", "Label26", "Label32", "Label33"})
            unknown(alarm, "Alarm: ");
    } else if (groups[kTempGroup]) {
        temperature(r, w.IndoorTemp, kBlankDegC, kDegC, "Label22", "ProgressBar4", "Label23",
                    "Label27", "Label24", "Label28", "Label25", "Label26");
        temperature(r, w.OutdoorTemp, kDegC, kBlankDegC, "Label29", "ProgressBar3", "Label30",
                    "Label34", "Label31", "Label35", "Label32", "Label33");
    }

    if (groups[kBaroGroup] && !arrived(kBaroGroup)) {
        unknown("Label37", "Local: ");
        unknown("Label38", "Sealevel: ");
        unknown("Label39", "Trend: ");
        unknown("Label40", "Vorhersage: ");
        for (const char* current : {"Label42", "Label46"})
            unknown(current, "Aktuell ");
        for (const char* hi : {"Label43", "Label49"})
            unknown(hi, "Hi ");
        for (const char* lo : {"Label44", "Label50"})
            unknown(lo, "Lo ");
        unknown.blank({"Label47", "Label48", "Label52", "Label53"});
        for (const char* alarm : {"Label41", "Label45", "Label51"})
            unknown(alarm, "Alarm: ");
    } else if (groups[kBaroGroup]) {
        // Barometer
        r.label("Label37",
                QStringLiteral("Local: ") + num(w.Barometer.Local) + QStringLiteral(" mb"));
        r.label("Label38", QStringLiteral("Sealevel: ") + r.tenths(w.Barometer.SeaLevel) +
                               QStringLiteral(" mb"));
        codedWord(r, "Label39", memory.trendLabel, QStringLiteral("Trend: "),
                  trendName(w.Barometer.Trend), w.Barometer.Trend, kTrendPictures,
                  r.out.trendPicture);
        codedWord(r, "Label40", memory.forecastLabel, QStringLiteral("Vorhersage: "),
                  forecastName(w.Barometer.Forecast), w.Barometer.Forecast, kForecastPictures,
                  r.out.forecastPicture);
        r.label("Label41",
                alarmText(w.Barometer.AlarmSet, w.Barometer.Alarm, QStringLiteral(" mb")));

        dewPoint(r, w.IndoorDew, w.DewStatus.IndoorOutOfRange, "Label42", "Label43", "Label47",
                 "Label44", "Label48", "Label45");
        dewPoint(r, w.OutdoorDew, w.DewStatus.OutdoorOutOfRange, "Label46", "Label49", "Label52",
                 "Label50", "Label53", "Label51");
    }

    if (groups[kRainGroup] && !arrived(kRainGroup)) {
        unknown("Label55", "Rate: ");
        unknown("Label56", "Gestern: ");
        unknown("Label57", "Total: ");
        unknown("Label79", "Seit 24h: ");
        unknown.blank({"Label58"});
        unknown("Label64", "Alarm: ");
    } else if (groups[kRainGroup]) {
        // Rain
        r.label("Label55", w.Rain.RateOutOfRange ? kOutOfRange
                                                 : QStringLiteral("Rate: ") + num(w.Rain.Rate) +
                                                       QStringLiteral(" mm/h"));
        r.label("Label56",
                QStringLiteral("Gestern: ") + num(w.Rain.Yesterday) + QStringLiteral(" mm"));
        r.label("Label57", QStringLiteral("Total: ") + num(w.Rain.Total) + QStringLiteral(" mm"));
        r.label("Label79", Rain24hText(data.Rain24h));
        r.extremeTime("Label58", w.Rain.TotalSince);
        r.label("Label64", alarmText(w.Rain.AlarmSet, w.Rain.Alarm, QStringLiteral("inches/h")));
    }

    if (!groups[kWindGroup]) {
        r.out.windPart = false;
        return r.out;
    }
    if (!arrived(kWindGroup)) {
        unknown("Label66", "Aktuell: ");
        unknown("Label67", "Durchschnitt: ");
        unknown("Label68", "Böe: ");
        unknown("Label78", "Max seit 5min: ");
        unknown("Label72", "Aktuell: ");
        unknown("Label73", "Lo: ");
        unknown.blank({"Label71", "Label74"});
        for (const char* alarm : {"Label69", "Label75"})
            unknown(alarm, "Alarm: ");
        unknown("Label80", "");
        unknown("Label83", "");
        r.out.batteryColour = kBatteryUnknownColour;
        return r.out;
    }
    // Wind
    const QString deg = QString::fromUtf8("°");
    const QString ms = QStringLiteral(" m/s - ");
    r.bar("ProgressBar5", roundHalfEven(w.Wind.GustSpeed / 10.0));
    r.label("Label66", QStringLiteral("Aktuell: ") + r.tenths(w.Wind.GustSpeed) + ms +
                           num(w.Wind.GustDir) + deg);
    r.out.roseSpeed = w.Wind.GustSpeed;
    r.label("Label67", QStringLiteral("Durchschnitt: ") + r.tenths(w.Wind.AvgSpeed) + ms +
                           num(w.Wind.AvgDir) + deg);
    r.label("Label68",
            QString::fromUtf8("Böe: ") + r.tenths(w.Wind.HiSpeed) + ms + num(w.Wind.HiDir) + deg);
    std::uint16_t runningMax = 0;
    for (std::size_t i = 0; i < data.WindMaxRing.size(); ++i) {
        runningMax = std::max(runningMax, data.WindMaxRing[i]);
        r.out.windRows[i] = r.tenths(runningMax);
    }
    // The label counts the minute in progress too; the "5x Wind" rows show completed minutes.
    r.label("Label78", QStringLiteral("Max seit 5min: ") + r.tenths(data.fiveMinuteGust()) +
                           QStringLiteral(" m/s"));
    r.extremeTime("Label71", w.Wind.HiTime);
    r.label("Label69", alarmText(w.Wind.AlarmSet, w.Wind.Alarm, kWindAlarmUnit));

    // Wind chill
    r.label("Label72", QStringLiteral("Aktuell: ") + num(w.Windchill.Current) + kDegC);
    r.label("Label73", QStringLiteral("Lo: ") + num(w.Windchill.Lo) + kDegC);
    r.extremeTime("Label74", w.Windchill.LoTime);
    r.label("Label75", alarmText(w.Windchill.AlarmSet, w.Windchill.Alarm, kWindchillAlarmUnit));

    // Top band
    r.out.batteryColour = w.Console.BatteryLow ? kBatteryLowColour : kBatteryOkColour;
    r.label("Label80", w.Console.PowerDC ? QStringLiteral("DC") : QStringLiteral("AC"));
    r.label("Label83", displayModeName(w.Console.DisplaySection));
    return r.out;
}
