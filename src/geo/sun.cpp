#include "geo/sun.h"

#include <cmath>
#include <numbers>

#include "base/formats.h"

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kRiseAltitude = -0.01454441043328608;  // -50 arc minutes in radians
}  // namespace

SunTimes sunTimes(int day, double latitude, double longitude, int utcOffset) {
    SunTimes s;
    const double t = day;
    const double b = latitude * kPi / 180;
    s.equationOfTime =
        -0.1752 * std::sin(0.03343 * t + 0.5474) - 0.134 * std::sin(0.018234 * t - 0.1939);
    const double delta = 0.40954 * std::sin(0.0172 * (t - 79.34974));
    s.declination = delta * 180 / kPi;
    const double cosHourAngle =
        (std::sin(kRiseAltitude) - std::sin(b) * std::sin(delta)) / (std::cos(b) * std::cos(delta));
    if (cosHourAngle > 1) {
        s.day = SunDay::NeverRises;
        s.halfDay = 0;
    } else if (cosHourAngle < -1) {
        s.day = SunDay::NeverSets;
        s.halfDay = 12;
    } else {
        s.halfDay = 12 * std::acos(cosHourAngle) / kPi;
    }
    s.riseLocal = 12 - s.halfDay - s.equationOfTime;
    s.setLocal = 12 + s.halfDay - s.equationOfTime;
    s.riseZone = s.riseLocal - longitude / 15 + utcOffset;
    s.setZone = s.setLocal - longitude / 15 + utcOffset;
    return s;
}

ClockTime clockTime(double hours) {
    const qint64 totalMinutes =
        roundHalfEven(std::trunc(hours) * 60) + roundHalfEven((hours - std::trunc(hours)) * 60);
    const qint64 inDay = ((totalMinutes % 1440) + 1440) % 1440;
    return {int(inDay / 60), int(inDay % 60)};
}
