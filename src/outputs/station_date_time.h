// A moment from the station's clock bytes for the output files, with the year chosen in the
// station layer (station/station_date.h); bytes that do not form a date and time give the
// computer's present moment instead.
#pragma once

#include <QDateTime>
#include <cstdint>

#include "station/weather_record.h"

// The station clock's moment (day, month, hour, minute, second) in the year nearest `now`. When it
// cannot be built (day 0 before the time group has arrived, 31 June, hour 24), returns now.
QDateTime StationDateTime(std::uint8_t day, std::uint8_t month, std::uint8_t hour,
                          std::uint8_t minute, const QDateTime& now, std::uint8_t second = 0);

// The same for the station clock itself; its seconds are not used.
QDateTime StationDateTime(const StationTime& time, const QDateTime& now);

// The moment of a time stamp of the past (a hi or lo time, "rain total since"), dated from the
// station clock `clock`; now when it cannot be built.
QDateTime StationStampDateTime(const StationTime& stamp, const StationTime& clock,
                               const QDateTime& now);
