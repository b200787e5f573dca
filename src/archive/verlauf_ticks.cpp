#include "archive/verlauf_ticks.h"

#include <QDateTime>

namespace {
QDateTime local(std::int64_t seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds);
}

// Every local whole hour in [from, to] whose hour is a multiple of `step`.
std::vector<TimeTick> hourTicks(std::int64_t from, std::int64_t to, int step) {
    std::vector<TimeTick> ticks;
    // Local whole hours lie on whole UTC quarters of an hour in every zone there is.
    for (std::int64_t t = (from + 899) / 900 * 900; t <= to; t += 900) {
        const QDateTime at = local(t);
        if (at.time().minute() != 0 || at.time().hour() % step != 0)
            continue;
        ticks.push_back({t, at.time().hour() == 0 ? at.toString(QStringLiteral("dd.MM."))
                                                  : at.toString(QStringLiteral("HH:mm"))});
    }
    return ticks;
}

// Every local midnight in [from, to] (the weekly step on Mondays).
std::vector<TimeTick> dayTicks(std::int64_t from, std::int64_t to, int step) {
    std::vector<TimeTick> ticks;
    QDate day = local(from).date();
    for (;; day = day.addDays(1)) {
        const std::int64_t t = QDateTime(day, QTime(0, 0)).toSecsSinceEpoch();
        if (t > to)
            break;
        const bool due = step == 7 ? day.dayOfWeek() == 1 : (day.toJulianDay() % step) == 0;
        if (t >= from && due)
            ticks.push_back({t, day.toString(QStringLiteral("dd.MM."))});
    }
    return ticks;
}

// Every first of a month in [from, to] whose month (counted from January) is a multiple of step.
std::vector<TimeTick> monthTicks(std::int64_t from, std::int64_t to, int step) {
    std::vector<TimeTick> ticks;
    const QDate start = local(from).date();
    for (QDate day(start.year(), start.month(), 1);; day = day.addMonths(1)) {
        const std::int64_t t = QDateTime(day, QTime(0, 0)).toSecsSinceEpoch();
        if (t > to)
            break;
        if (t >= from && (day.month() - 1) % step == 0)
            ticks.push_back({t, day.toString(QStringLiteral("dd.MM.yy"))});
    }
    return ticks;
}
}  // namespace

std::vector<TimeTick> timeTicks(std::int64_t from, std::int64_t to, int maxTicks) {
    if (to <= from || maxTicks < 1)
        return {};
    const std::int64_t length = to - from;
    for (int hours : {1, 2, 3, 6, 12}) {
        if (length / (3600 * hours) > maxTicks + 1)
            continue;
        auto ticks = hourTicks(from, to, hours);
        if (int(ticks.size()) <= maxTicks)
            return ticks;
    }
    for (int days : {1, 2, 7}) {
        if (length / (86400 * days) > maxTicks + 1)
            continue;
        auto ticks = dayTicks(from, to, days);
        if (int(ticks.size()) <= maxTicks)
            return ticks;
    }
    std::vector<TimeTick> ticks;
    for (int months : {1, 2, 3, 6, 12}) {
        ticks = monthTicks(from, to, months);
        if (int(ticks.size()) <= maxTicks)
            break;
    }
    return ticks;
}
