// How old the station's data are. A timed output is written only when every group it reads has
// arrived within the last two minutes; every output reads all five (the pages, the log line, the
// APRS file and the ASYNOP line each carry humidity, temperature, barometer, rain and wind).
#pragma once

#include <cstdint>

#include "station/weather_record.h"

inline constexpr std::int64_t kFreshDataMs = 2 * 60 * 1000;

// Notes that a good group of this kind has arrived at `nowMs` (UTC milliseconds since 1970). A
// byte that is no group byte is ignored.
void noteGroupArrival(StationData& data, std::uint8_t groupByte, std::int64_t nowMs);

// Every group kind arrived within kFreshDataMs before nowMs (a clock set back counts the same
// span).
bool allGroupsFresh(const StationData& data, std::int64_t nowMs);
