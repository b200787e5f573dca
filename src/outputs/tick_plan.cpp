#include "outputs/tick_plan.h"

qint64 wallSecond(const QDateTime& t) {
    return t.toSecsSinceEpoch() + t.offsetFromUtc();
}

DueTicks dueTicks(qint64 lastSecond, qint64 now) {
    DueTicks due;
    if (now > lastSecond) {
        const qint64 minutesOn = wallMinute(now) - wallMinute(lastSecond);
        due.second = true;
        due.minute = minutesOn >= 1;
        due.jumped = minutesOn >= 2;
    } else if (lastSecond - now > kBackwardToleranceSeconds) {
        due.second = true;
        due.minute = true;
        due.jumped = true;
    }
    return due;
}

int msUntilNextSecond(const QDateTime& t) {
    const int intoSecond = int(t.time().msec());
    return 1000 - intoSecond + kTickMarginMs;
}
