// A moment from the station's clock bytes. The station sends no year, so the computer's year is
// used; bytes that do not form a date and time give the computer's present moment instead.
#pragma once

#include <QDateTime>
#include <cstdint>

#include "station/weather_record.h"

// Date from now's year with month and day, time from hour, minute and second. When either cannot be
// built (day 0 before the time group has arrived, 31 June, hour 24), returns now.
QDateTime StationDateTime(std::uint8_t day, std::uint8_t month, std::uint8_t hour,
                          std::uint8_t minute, const QDateTime& now, std::uint8_t second = 0);

// The same for a station time stamp; its seconds are not used.
QDateTime StationDateTime(const StationTime& time, const QDateTime& now);
