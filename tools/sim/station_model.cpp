#include "station_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHour = 3600.0;
constexpr double kAltitudeDrop = 14.0;  // mb between sea level and a station some 120 m up
constexpr double kMaxStep = 10.0;       // seconds per integration step

// Which alarm each flag of the console belongs to.
enum Alarm {
    ClockAlarm,
    InHumHi,
    InHumLo,
    OutHumHi,
    OutHumLo,
    InTempHi,
    InTempLo,
    OutTempHi,
    OutTempLo,
    BaroAlarm,
    WindAlarm,
    ChillAlarm,
    InDewAlarm,
    OutDewAlarm,
    RainAlarm,
    AlarmCount
};

// Relative humidity in percent from temperature and dew point (Magnus formula).
double relativeHumidity(double temp, double dew) {
    auto vapour = [](double t) { return std::exp(17.62 * t / (243.12 + t)); };
    return 100.0 * vapour(dew) / vapour(temp);
}

// Wind chill in °C from air temperature (°C) and wind speed (m/s); the air temperature itself
// where the formula does not apply (warm air or calm).
double windChill(double temp, double speed) {
    const double kmh = speed * 3.6;
    if (temp > 10.0 || kmh <= 4.8)
        return temp;
    const double v = std::pow(kmh, 0.16);
    return 13.12 + 0.6215 * temp - 11.37 * v + 0.3965 * temp * v;
}

int rounded(double v) {
    return int(std::lround(v));
}

int wrapDegrees(double d) {
    int deg = rounded(d) % 360;
    return deg < 0 ? deg + 360 : deg;
}

StationTime stationTime(const QDateTime& t, bool withSeconds) {
    StationTime s;
    s.Second = withSeconds ? std::uint8_t(t.time().second()) : 0;
    s.Minute = std::uint8_t(t.time().minute());
    s.Hour = std::uint8_t(t.time().hour());
    s.Day = std::uint8_t(t.date().day());
    s.Month = std::uint8_t(t.date().month());
    return s;
}

}  // namespace

void StationModel::ExtremePair::take(double v, const QDateTime& t) {
    if (!valid || v > hi) {
        hi = v;
        hiTime = t;
    }
    if (!valid || v < lo) {
        lo = v;
        loTime = t;
    }
    valid = true;
}

void StationModel::SlowWalk::step(SimRandom& rng, double mean, double sd, double tau,
                                  double smoothing, double dt) {
    raw += (mean - raw) * dt / tau + sd * std::sqrt(2.0 * dt / tau) * rng.normal();
    value += (raw - value) * dt / smoothing;
}

StationModel::StationModel(std::uint64_t seed, const QDateTime& start) : rng_(seed) {
    // The console's clock knows no time zones or daylight saving: it runs on wall-clock fields.
    const QDateTime wall(start.date(), start.time(), Qt::UTC);
    now_ = wall.addSecs(-36 * 3600);

    front_.set(2.5 * rng_.normal());
    pressure_.set(8.0 * rng_.normal());
    cloud_.set(std::clamp(0.45 - pressure_.value * 0.04 + 0.15 * rng_.normal(), 0.0, 1.0));
    windBase_.set(std::max(0.3, 2.5 + rng_.normal()));
    windDir_.set(240.0 + 50.0 * rng_.normal());
    windAvg_ = windBase_.value;
    spreadNoise_.set(rng_.normal());
    indoorMoist_.set(4);
    rainTotal_ = rng_.between(15, 180);
    rainYesterday_ = rng_.uniform() < 0.4 ? rng_.between(0, 8) : 0.0;
    totalSince_ =
        QDateTime(now_.date().addDays(-2 - rng_.below(20)), QTime(rng_.below(24), 0), Qt::UTC);
    untilAlarmToggle_ = rng_.between(0.5, 3) * kHour;
    untilDisplayChange_ = rng_.between(5, 30) * 60;
    alarmSet_[ClockAlarm] = true;
    alarmSet_[OutTempLo] = true;
    alarmSet_[WindAlarm] = true;
    alarmSet_[InHumLo] = rng_.uniform() < 0.5;
    alarmSet_[BaroAlarm] = rng_.uniform() < 0.5;

    // Run the day and a half before the start so the hi/lo memory and the totals look lived-in.
    while (now_ < wall)
        step(std::min(kMaxStep, double(now_.secsTo(wall))));
    updateRecord();
}

void StationModel::advance(double seconds) {
    while (seconds > 0) {
        const double dt = std::min(seconds, kMaxStep);
        step(dt);
        seconds -= dt;
    }
    updateRecord();
}

void StationModel::step(double dt) {
    const QDate day = now_.date();
    now_ = now_.addMSecs(std::llround(dt * 1000));
    if (now_.date() != day) {
        rainYesterday_ = rainToday_;
        rainToday_ = 0;
    }

    const double hour = now_.time().msecsSinceStartOfDay() / 3.6e6;
    const double season = 2 * kPi * (now_.date().dayOfYear() - 15) / 365.25;
    const double diurnal = std::cos(2 * kPi * (hour - 15) / 24);  // 1 at 15:00, -1 at 03:00
    const double dayShare = 0.5 + 0.5 * diurnal;

    // Slow weather: fronts, pressure systems, clouds.
    front_.step(rng_, 0, 3.0, 10 * kHour, 2 * kHour, dt);
    pressure_.step(rng_, 0, 9.0, 30 * kHour, 4 * kHour, dt);
    const double cloudMean = std::clamp(0.45 - pressure_.value * 0.04, 0.05, 0.95);
    cloud_.step(rng_, cloudMean, 0.25, 3 * kHour, kHour, dt);
    cloud_.value = std::clamp(cloud_.value, 0.0, 1.0);
    spreadNoise_.step(rng_, 0, 1.0, 4 * kHour, kHour, dt);
    indoorNoise_.step(rng_, 0, 0.3, 2 * kHour, kHour, dt);
    indoorMoist_.step(rng_, 4, 1.0, 6 * kHour, kHour, dt);
    const double windMean = 2.5 + std::max(0.0, -pressure_.value) * 0.12;
    windBase_.step(rng_, windMean, 1.0, 1.5 * kHour, 20 * 60, dt);
    windDir_.step(rng_, 240, 50, 6 * kHour, 30 * 60, dt);
    const double cloud = cloud_.value;

    // Showers: likelier under thick cloud; the rate swells and fades again.
    double showerShape = 0;
    if (!showering_) {
        const double perHour = 0.03 + 2.4 * std::pow(std::max(0.0, cloud - 0.5), 2);
        if (rng_.uniform() < perHour * dt / kHour) {
            showering_ = true;
            showerElapsed_ = 0;
            showerLength_ = rng_.between(10, 60) * 60;
            showerPeak_ = 1 + 24 * std::pow(rng_.uniform(), 2);
        }
    }
    if (showering_) {
        showerElapsed_ += dt;
        if (showerElapsed_ >= showerLength_) {
            showering_ = false;
        } else {
            showerShape = std::pow(std::sin(kPi * showerElapsed_ / showerLength_), 2);
            cloud_.value = std::max(cloud_.value, 0.8);
        }
    }
    rainRate_ = showering_ ? showerPeak_ * showerShape * rng_.between(0.8, 1.2) : 0.0;
    const double fallen = rainRate_ * dt / kHour;
    rainTotal_ += fallen;
    rainToday_ += fallen;
    const double coolingTarget = showering_ ? 2.5 * std::min(1.0, showerPeak_ / 10) : 0.0;
    rainCooling_ += (coolingTarget - rainCooling_) * dt / (40 * 60);

    // Outdoor air: seasonal curve, daily cycle damped by cloud, fronts, rain-cooled air.
    const double seasonMean = 9.5 - 9.0 * std::cos(season);
    const double amplitude = (4.5 - 1.5 * std::cos(season)) * (1 - 0.5 * cloud);
    outTemp_ = seasonMean + amplitude * diurnal + front_.value - rainCooling_;
    double spread = 1.0 + (3 + 7 * (1 - cloud)) * dayShare + spreadNoise_.value;
    if (showering_)
        spread *= 0.3;
    outDew_ = outTemp_ - std::max(0.2, spread);
    outHum_ = relativeHumidity(outTemp_, outDew_);

    // Indoors: heated rooms, a little warmer in the evening, moister than outside.
    inTemp_ = 21.0 + 0.8 * std::cos(2 * kPi * (hour - 19) / 24) + indoorNoise_.value +
              0.05 * (outTemp_ - 10);
    inDew_ = std::clamp(outDew_ + indoorMoist_.value, inTemp_ - 18, inTemp_ - 7);
    inHum_ = relativeHumidity(inTemp_, inDew_);

    // Wind: stronger in the afternoon and in showers, gusts around the average.
    const double target = windBase_.value * (0.75 + 0.35 * dayShare) + 1.5 * showerShape;
    windAvg_ += (target - windAvg_) * dt / 120;
    gust_ = windAvg_ * std::min(2.0, 1.2 + 0.25 * std::abs(rng_.normal())) +
            0.3 * std::abs(rng_.normal());
    gustDir_ = windDir_.value + 20 * rng_.normal();
    chill_ = windChill(outTemp_, windAvg_);

    // Barometer: the pressure systems plus the twice-daily tide; trend over three hours.
    seaLevel_ = 1013.25 + pressure_.value + 0.6 * std::cos(4 * kPi * (hour - 10) / 24);
    sinceSample_ += dt;
    if (pressureHistory_.empty() || sinceSample_ >= 600) {
        sinceSample_ = 0;
        pressureHistory_.push_back(seaLevel_);
        if (pressureHistory_.size() > 19)
            pressureHistory_.pop_front();
        const double change = seaLevel_ - pressureHistory_.front();
        trend_ = change > 1.5 ? 1 : change < -1.5 ? 4 : 2;
        if (seaLevel_ >= 1022 && trend_ != 4)
            forecast_ = 1;
        else if (seaLevel_ >= 1012)
            forecast_ = trend_ == 4 ? 4 : 2;
        else if (seaLevel_ >= 1002 && !(trend_ == 4 && seaLevel_ < 1008))
            forecast_ = trend_ == 1 ? 2 : 4;
        else
            forecast_ = 8;
    }

    // The console's hi/lo memory, on the values as it shows them.
    outHumRange_ = outHum_ < 9.5 || outHum_ >= 97.5;
    inHumRange_ = inHum_ < 9.5 || inHum_ >= 97.5;
    outDewRange_ = outDew_ < -0.5;
    inDewRange_ = inDew_ < -0.5;
    outTempEx_.take(rounded(outTemp_ * 10), now_);
    inTempEx_.take(rounded(inTemp_ * 10), now_);
    outHumEx_.take(std::clamp(rounded(outHum_), 10, 97), now_);
    inHumEx_.take(std::clamp(rounded(inHum_), 10, 97), now_);
    outDewEx_.take(std::max(0, rounded(outDew_)), now_);
    inDewEx_.take(std::max(0, rounded(inDew_)), now_);
    chillEx_.take(rounded(chill_), now_);
    if (rounded(gust_ * 10) > rounded(hiGust_ * 10)) {
        hiGust_ = gust_;
        hiGustDir_ = gustDir_;
        hiGustTime_ = now_;
    }

    // Console status: a weak battery now and then, alarms armed and disarmed, display flipped.
    if (batteryLowLeft_ > 0)
        batteryLowLeft_ -= dt;
    else if (rng_.uniform() < dt / (40 * kHour))
        batteryLowLeft_ = rng_.between(5, 40) * 60;
    untilAlarmToggle_ -= dt;
    if (untilAlarmToggle_ <= 0) {
        const int which = rng_.below(AlarmCount);
        alarmSet_[std::size_t(which)] = !alarmSet_[std::size_t(which)];
        untilAlarmToggle_ = rng_.between(1, 4) * kHour;
    }
    untilDisplayChange_ -= dt;
    if (untilDisplayChange_ <= 0) {
        displaySection_ = std::uint8_t(rng_.below(8));
        untilDisplayChange_ = rng_.between(5, 30) * 60;
    }
}

void StationModel::updateRecord() {
    WeatherRecord& r = record_;
    auto armed = [this](Alarm a) { return alarmSet_[std::size_t(a)]; };
    auto extreme = [](double value, const QDateTime& t) {
        Extreme e;
        e.Value = rounded(value);
        e.Time = stationTime(t, false);
        return e;
    };

    r.Clock.Time = stationTime(now_, true);
    r.Clock.AlarmMinute = 30;
    r.Clock.AlarmHour = 6;
    r.Clock.AlarmSet = armed(ClockAlarm);

    auto humidity = [&](HumidityReading& h, double value, bool outOfRange, const ExtremePair& ex,
                        int alarmLo, int alarmHi, Alarm lo, Alarm hi) {
        h.Current = std::uint8_t(std::clamp(rounded(value), 10, 97));
        h.OutOfRange = outOfRange;
        h.Hi = extreme(ex.hi, ex.hiTime);
        h.Lo = extreme(ex.lo, ex.loTime);
        h.AlarmLo = std::uint8_t(alarmLo);
        h.AlarmHi = std::uint8_t(alarmHi);
        h.AlarmLoSet = armed(lo);
        h.AlarmHiSet = armed(hi);
    };
    humidity(r.IndoorHum, inHum_, inHumRange_, inHumEx_, 30, 70, InHumLo, InHumHi);
    humidity(r.OutdoorHum, outHum_, outHumRange_, outHumEx_, 20, 95, OutHumLo, OutHumHi);

    auto temperature = [&](TempReading& t, double value, const ExtremePair& ex, int alarmLoF,
                           int alarmHiF, Alarm lo, Alarm hi) {
        t.Current = rounded(value * 10);
        t.Positive = t.Current >= 0;
        t.Hi = extreme(ex.hi, ex.hiTime);
        t.Hi.Flag = t.Hi.Value >= 0;
        t.Lo = extreme(ex.lo, ex.loTime);
        t.Lo.Flag = t.Lo.Value >= 0;
        t.AlarmLo = alarmLoF;
        t.AlarmHi = alarmHiF;
        t.AlarmLoSet = armed(lo);
        t.AlarmHiSet = armed(hi);
    };
    temperature(r.IndoorTemp, inTemp_, inTempEx_, 59, 82, InTempLo, InTempHi);
    temperature(r.OutdoorTemp, outTemp_, outTempEx_, 32, 95, OutTempLo, OutTempHi);
    r.IndoorTempBit6Clear = true;

    r.Barometer.SeaLevel = std::uint16_t(rounded(seaLevel_ * 10));
    r.Barometer.Local = std::uint16_t(rounded(seaLevel_ - kAltitudeDrop));
    r.Barometer.Alarm = 3;
    r.Barometer.AlarmSet = armed(BaroAlarm);
    r.Barometer.Trend = trend_;
    r.Barometer.Forecast = forecast_;
    r.Barometer.UnitCode = 0;

    auto dewPoint = [&](TempReading& d, double value, const ExtremePair& ex, int alarm, Alarm a) {
        d = TempReading{};
        d.Current = std::max(0, rounded(value));
        d.Hi = extreme(ex.hi, ex.hiTime);
        d.Lo = extreme(ex.lo, ex.loTime);
        d.Hi.Flag = d.Lo.Flag = false;
        d.AlarmHi = alarm;
        d.AlarmHiSet = armed(a);
    };
    dewPoint(r.IndoorDew, inDew_, inDewEx_, 5, InDewAlarm);
    dewPoint(r.OutdoorDew, outDew_, outDewEx_, 3, OutDewAlarm);
    r.DewStatus = DewPointStatus{};
    r.DewStatus.IndoorOutOfRange = inDewRange_;
    r.DewStatus.OutdoorOutOfRange = outDewRange_;

    r.Rain.Rate = std::uint16_t(std::min(998, rounded(rainRate_)));
    r.Rain.Yesterday = std::uint16_t(std::min(9999, rounded(rainYesterday_)));
    r.Rain.Total = std::uint16_t(std::min(9999, int(rainTotal_)));
    r.Rain.Alarm = 20;
    r.Rain.TotalSince = stationTime(totalSince_, false);
    r.Rain.AlarmSet = armed(RainAlarm);
    r.Rain.RateOutOfRange = false;
    r.Rain.Bit5 = false;

    r.Wind.GustSpeed = std::uint16_t(std::min(999, rounded(gust_ * 10)));
    r.Wind.GustDir = std::uint16_t(wrapDegrees(gustDir_));
    r.Wind.AvgSpeed = std::uint16_t(std::min(999, rounded(windAvg_ * 10)));
    r.Wind.AvgDir = std::uint16_t(wrapDegrees(windDir_.value));
    r.Wind.HiSpeed = std::uint16_t(std::min(999, rounded(hiGust_ * 10)));
    r.Wind.HiDir = std::uint16_t(wrapDegrees(hiGustDir_));
    r.Wind.HiTime = stationTime(hiGustTime_.isValid() ? hiGustTime_ : now_, false);
    r.Wind.Alarm = 15;
    r.Wind.AlarmSet = armed(WindAlarm);
    r.Wind.UnitCode = 0;
    r.Wind.GustFlag = r.Wind.AvgFlag = r.Wind.HiFlag = false;

    r.Windchill.Current = std::clamp(rounded(chill_), -99, 99);
    r.Windchill.Lo = std::clamp(rounded(chillEx_.lo), -99, 99);
    r.Windchill.LoTime = stationTime(chillEx_.loTime, false);
    r.Windchill.Alarm = -10;
    r.Windchill.AlarmSet = armed(ChillAlarm);

    r.Console.PowerDC = true;
    r.Console.BatteryLow = batteryLowLeft_ > 0;
    r.Console.DisplaySection = displaySection_;
}
