// The time zone of the setting "Zeitzone": a fixed offset in whole hours, or the system's zone
// ("System", the last entry of the list), which follows daylight saving time.
#pragma once

#include <QDateTime>
#include <cstdint>

#include "config/settings.h"

// The position of "System" in the time-zone list (after "+12" ... "-12").
inline constexpr std::uint8_t kSystemZoneIndex = 25;

inline bool followsSystemZone(const Settings& s) {
    return s.ZeitzoneIndex == kSystemZoneIndex;
}

// Seconds local time is ahead of UTC at the local wall-clock moment `local`: with "System" the
// system zone's offset at that moment (summer time included), else Zeitzone hours.
qint64 zoneOffsetSeconds(const Settings& s, const QDateTime& local);

// The system zone's offset at `local` in whole hours (rounded), for the key Zeitzone of a file
// read by programs that know only hours.
int systemZoneHours(const QDateTime& local);
