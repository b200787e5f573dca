// Sunrise and sunset for a day of the year and a position: equation of time, declination, half
// day length and the times of rise and set in local mean time and in zone time, as plain numbers.
#pragma once

enum class SunDay {
    RisesAndSets,
    NeverRises,  // polar night: the sun stays below the horizon all day
    NeverSets,   // polar day: the sun stays above it
};

struct SunTimes {
    double equationOfTime = 0;  // hours
    double declination = 0;     // degrees
    double halfDay = 0;         // hours; 0 in a polar night, 12 in a polar day
    double riseLocal = 0;       // local mean time, hours
    double setLocal = 0;
    double riseZone = 0;  // zone time (UTC + utcOffset), hours
    double setZone = 0;
    SunDay day = SunDay::RisesAndSets;
};

// `day` of the year (1 = January 1st), latitude north and longitude east in degrees, the zone's
// difference to UTC in hours. Rise and set are those of the sun's upper limb with refraction
// (centre 50 arc minutes below the horizon).
SunTimes sunTimes(int day, double latitude, double longitude, int utcOffset);

struct ClockTime {
    int hours = 0;
    int minutes = 0;
};
// Hours as a clock time: whole hours and the rest in minutes rounded (halves to even); 60 minutes
// carry into the hour, and the clock runs 0:0 to 23:59 (a time past midnight wraps round).
ClockTime clockTime(double hours);
