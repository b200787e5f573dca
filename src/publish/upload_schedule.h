// When an upload is due: at fixed minutes of each hour, the first at the service's first minute,
// the others an interval apart. The last send of an hour is left out when it would stand less than
// an interval before the next hour's first, so no two sends are ever closer than the interval.
// Intervals run up to an hour.
#pragma once

#include <QDateTime>

// True when `minuteOfHour` (0..59) is a minute to send at.
bool isUploadMinute(int minuteOfHour, int firstMinute, int intervalMinutes);
