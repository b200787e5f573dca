// Which scheduler ticks are due when the tick timer wakes: one second tick per wall-clock second
// and one minute tick per wall-clock minute, none twice; after a clock jump (suspend and resume,
// a time sync, a change of summer time) the ticks go on from the new time without catching up.
#pragma once

#include <QDateTime>

// The wall-clock time as seconds of the local clock (seconds since 1970 plus the offset from UTC),
// so that a change of summer time shows as a jump of the local clock, as the user sees it.
qint64 wallSecond(const QDateTime& t);
inline qint64 wallMinute(qint64 second) {
    return second >= 0 ? second / 60 : (second - 59) / 60;
}
inline qint64 wallMinute(const QDateTime& t) {
    return wallMinute(wallSecond(t));
}

// A clock set back by at most this many seconds is waited out (nothing fires until it passes the
// last second already seen); set back further, it counts as a jump.
inline constexpr qint64 kBackwardToleranceSeconds = 60;

struct DueTicks {
    bool second = false;  // run the second tick
    bool minute = false;  // run the minute tick (after the second tick)
    bool jumped = false;  // the clock jumped: whole minutes were never seen, or it went back
};

// The ticks due at wall second now, when lastSecond is the wall second of the last second tick.
// When a second tick is due, now becomes the last second; otherwise it stays as it was.
DueTicks dueTicks(qint64 lastSecond, qint64 now);

// Milliseconds from t until just after the next wall-clock second begins.
int msUntilNextSecond(const QDateTime& t);
inline constexpr int kTickMarginMs = 5;
