// The values the minute tick keeps beside the weather record: the gust maximum of each of the last
// five minutes and the rain of the last 24 hours.
#pragma once

#include "station/weather_record.h"

// Shifts the five-minute ring toward the oldest entry, stores this minute's gust maximum as the
// newest entry (whole, 16 bits) and starts the next minute's maximum at 0.
void advanceWindRing(StationData& data);

// Takes the rain total as the new 24-hour reference when asked, then sets Rain24h to the rain
// since the reference. A total below its reference means the station's total was reset (or ran
// over 9999 mm): counting restarts from zero, so Rain24h is the rain since the reset.
void updateRain24h(StationData& data, bool takeReference);
