#include "config/time_zone.h"

#include <cmath>

namespace {
qint64 systemOffset(const QDateTime& local) {
    // The wall-clock date and time read in the system zone, whatever zone `local` was made in.
    return QDateTime(local.date(), local.time(), Qt::LocalTime).offsetFromUtc();
}
}  // namespace

qint64 zoneOffsetSeconds(const Settings& s, const QDateTime& local) {
    if (followsSystemZone(s))
        return systemOffset(local);
    return qint64(s.Zeitzone) * 3600;
}

int systemZoneHours(const QDateTime& local) {
    return int(std::lround(double(systemOffset(local)) / 3600.0));
}
