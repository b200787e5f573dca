// The station's clock and time stamps carry month and day but no year. Every part that needs a
// full date takes it from here: the clock's date is put in the year nearest the computer's date,
// a stamp of the past (hi and lo times, "rain total since") in the latest year not after the
// clock's date. Bytes that form no date or time give nothing; each caller keeps its own stand-in.
#pragma once

#include <QDate>
#include <QDateTime>
#include <optional>

#include "station/weather_record.h"

// Month and day in the year that puts them nearest `reference` (at most a year away); nothing
// when they form no date in any such year (31 November, 29 February far from a leap year).
std::optional<QDate> NearestStationDate(int month, int day, const QDate& reference);

// Month and day in the latest year that does not put them after `latest` (a stamp lies in the
// past; 29 February goes back to the last leap year).
std::optional<QDate> PastStationDate(int month, int day, const QDate& latest);

// The date of the station clock, nearest the computer's date `today`.
std::optional<QDate> StationClockDate(const StationTime& clock, const QDate& today);

// The local moment of the station clock with its seconds: nothing before a clock group has
// arrived (day or month 0) or when the bytes form no date or time.
std::optional<QDateTime> StationClockMoment(const StationTime& clock, const QDateTime& now);

// The local moment of a time stamp (seconds 0): in the latest year that does not put it more than
// a day after the station clock's date (or the computer's date while the clock is unknown; the
// day of slack covers a clock that is a little behind).
std::optional<QDateTime> StationStampMoment(const StationTime& stamp, const StationTime& clock,
                                            const QDateTime& now);
