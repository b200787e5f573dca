#include "archive/verlauf_range.h"

#include "archive/minute_row.h"

VerlaufRange VerlaufRange::endingAt(RangeKind kind, const QDateTime& now) {
    VerlaufRange r;
    r.kind = kind;
    r.to = minuteOf(now) + 60;
    const QDateTime end = QDateTime::fromSecsSinceEpoch(r.to);
    switch (kind) {
        case RangeKind::Day:
            r.from = r.to - 86400;
            break;
        case RangeKind::Week:
            r.from = r.to - 7 * 86400;
            break;
        case RangeKind::Month:
            r.from = r.to - 30 * 86400;
            break;
        case RangeKind::Year:
        case RangeKind::Custom:
            r.from = end.addYears(-1).toSecsSinceEpoch();
            break;
    }
    return r;
}

VerlaufRange VerlaufRange::days(const QDate& first, const QDate& last) {
    VerlaufRange r;
    r.kind = RangeKind::Custom;
    r.from = QDateTime(first, QTime(0, 0)).toSecsSinceEpoch();
    r.to = QDateTime(last.addDays(1), QTime(0, 0)).toSecsSinceEpoch();
    if (r.to <= r.from)
        r.to = r.from + 86400;
    return r;
}

VerlaufRange VerlaufRange::shifted(int direction) const {
    VerlaufRange r = *this;
    if (kind == RangeKind::Year) {
        r.from = QDateTime::fromSecsSinceEpoch(from).addYears(direction).toSecsSinceEpoch();
        r.to = QDateTime::fromSecsSinceEpoch(to).addYears(direction).toSecsSinceEpoch();
    } else {
        r.from += direction * length();
        r.to += direction * length();
    }
    return r;
}

bool VerlaufRange::followsNow(const QDateTime& now) const {
    return to >= minuteOf(now) + 60 && from <= now.toSecsSinceEpoch();
}
