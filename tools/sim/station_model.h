// A simulated station console: outdoor weather that follows the season and the time of day, with
// fronts, showers, gusty wind and a wandering barometer, an indoor climate, and the hi/lo memory,
// alarms and status bits a console keeps. Deterministic for a given seed and start time.
#pragma once

#include <QDateTime>
#include <array>
#include <cstdint>
#include <deque>

#include "sim_random.h"
#include "station/weather_record.h"

class StationModel {
public:
    // The console's clock starts at `start`; the hi/lo memory and the rain total look as if they
    // had been running for a day and a half before it.
    StationModel(std::uint64_t seed, const QDateTime& start);

    // Moves the simulated weather on by the given number of seconds.
    void advance(double seconds);

    QDateTime now() const { return now_; }
    // The values the console would send now.
    const WeatherRecord& record() const { return record_; }

private:
    struct ExtremePair {
        bool valid = false;
        double hi = 0, lo = 0;
        QDateTime hiTime, loTime;
        void take(double v, const QDateTime& t);
    };

    void step(double dt);
    void updateRecord();
    SimRandom rng_;
    QDateTime now_;
    double sinceSample_ = 0;

    // A mean-reverting random walk, smoothed so that it moves like weather and not like noise.
    struct SlowWalk {
        double raw = 0, value = 0;
        void set(double v) { raw = value = v; }
        void step(SimRandom& rng, double mean, double sd, double tau, double smoothing, double dt);
    };

    // Slow weather state.
    SlowWalk front_;          // °C above the seasonal curve
    SlowWalk pressure_;       // mb around 1013.25
    SlowWalk cloud_;          // 0 clear .. 1 overcast
    SlowWalk spreadNoise_;    // °C added to the dew-point spread
    SlowWalk indoorNoise_;    // °C around the indoor curve
    SlowWalk indoorMoist_;    // °C indoor dew point above the outdoor one
    SlowWalk windBase_;       // m/s
    SlowWalk windDir_;        // degrees, unwrapped
    double windAvg_ = 2.0;    // m/s, the console's average
    double rainCooling_ = 0;  // °C

    // Shower.
    bool showering_ = false;
    double showerElapsed_ = 0, showerLength_ = 0, showerPeak_ = 0, rainRate_ = 0;
    double rainTotal_ = 0, rainToday_ = 0, rainYesterday_ = 0;
    QDateTime totalSince_;

    // Console status that changes now and then.
    double batteryLowLeft_ = 0;  // seconds of low battery left
    double untilAlarmToggle_ = 0, untilDisplayChange_ = 0;
    std::array<bool, 15> alarmSet_{};

    // Current values as the console shows them.
    double outTemp_ = 0, inTemp_ = 0, outDew_ = 0, inDew_ = 0, outHum_ = 0, inHum_ = 0;
    double gust_ = 0, gustDir_ = 0, chill_ = 0, seaLevel_ = 1013.25;
    std::uint8_t trend_ = 2, forecast_ = 2;
    bool outHumRange_ = false, inHumRange_ = false, outDewRange_ = false, inDewRange_ = false;
    std::deque<double> pressureHistory_;  // one value per 10 minutes, newest last

    ExtremePair outTempEx_, inTempEx_, outHumEx_, inHumEx_, outDewEx_, inDewEx_, chillEx_;
    double hiGust_ = 0, hiGustDir_ = 0;
    QDateTime hiGustTime_;
    std::uint8_t displaySection_ = 1;

    WeatherRecord record_;
};
