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

std::optional<QString> VerlaufRange::daysProblem(const QDate& first, const QDate& last) {
    if (!first.isValid() || !last.isValid())
        return QStringLiteral("Bitte ein gültiges Datum eingeben (TT.MM.JJJJ).");
    if (last < first)
        return QStringLiteral("Das Enddatum (Bis %1) liegt vor dem Anfangsdatum (Von %2).")
            .arg(last.toString(QStringLiteral("dd.MM.yyyy")),
                 first.toString(QStringLiteral("dd.MM.yyyy")));
    return std::nullopt;
}

VerlaufRange VerlaufRange::shifted(int direction, const QDateTime& now) const {
    VerlaufRange r = *this;
    if (kind == RangeKind::Year) {
        r.from = QDateTime::fromSecsSinceEpoch(from).addYears(direction).toSecsSinceEpoch();
        r.to = QDateTime::fromSecsSinceEpoch(to).addYears(direction).toSecsSinceEpoch();
    } else {
        r.from += direction * length();
        r.to += direction * length();
    }
    const std::int64_t end = minuteOf(now) + 60;
    if (direction > 0 && r.to > end) {
        if (kind == RangeKind::Custom) {
            r.to = end;
            r.from = end - length();
        } else {
            r = endingAt(kind, now);
        }
    }
    return r;
}

bool VerlaufRange::endsAtNow(const QDateTime& now) const {
    return to >= minuteOf(now) + 60;
}

QString VerlaufRange::fileName(const QString& suffix) const {
    const QDate first = QDateTime::fromSecsSinceEpoch(from).date();
    const QDate last = QDateTime::fromSecsSinceEpoch(std::max(from, to - 1)).date();
    QString name;
    if (first == last)
        name = first.toString(QStringLiteral("yyyy-MM-dd"));
    else if (first.year() == last.year() && first.month() == last.month())
        name = first.toString(QStringLiteral("yyyy-MM"));
    else
        name = first.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('_') +
               last.toString(QStringLiteral("yyyy-MM-dd"));
    return QStringLiteral("wetter-") + name + QLatin1Char('.') + suffix;
}

bool VerlaufRange::followsNow(const QDateTime& now) const {
    return to >= minuteOf(now) + 60 && from <= now.toSecsSinceEpoch();
}
