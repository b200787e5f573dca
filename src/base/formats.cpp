#include "base/formats.h"

#include <array>
#include <cmath>

namespace {
const std::array<const char*, 12> kMonthNames = {"Januar",    "Februar", "März",     "April",
                                                 "Mai",       "Juni",    "Juli",     "August",
                                                 "September", "Oktober", "November", "Dezember"};
const std::array<const char*, 12> kMonthShort = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const std::array<const char*, 7> kDayNames = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                              "Freitag", "Samstag",  "Sonntag"};
const std::array<const char*, 7> kDayShort = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

QString fixedWith(qint64 scaled, int decimals, QChar separator) {
    const bool negative = scaled < 0;
    quint64 magnitude = negative ? quint64(-(scaled + 1)) + 1 : quint64(scaled);
    if (decimals <= 0)
        return (negative ? QStringLiteral("-") : QString()) + QString::number(magnitude);
    quint64 divisor = 1;
    for (int i = 0; i < decimals; ++i)
        divisor *= 10;
    QString text = QString::number(magnitude / divisor) + separator +
                   QString::number(magnitude % divisor).rightJustified(decimals, QLatin1Char('0'));
    return negative ? QStringLiteral("-") + text : text;
}

QString twoDigits(int v) {
    return QString::number(v).rightJustified(2, QLatin1Char('0'));
}
}  // namespace

qint64 roundHalfEven(double value) {
    return qint64(std::nearbyint(value));
}

const Formats& Formats::german() {
    static const Formats formats;
    return formats;
}

QString Formats::fixed(qint64 scaled, int decimals) const {
    return fixedWith(scaled, decimals, decimalSeparator_);
}

QString Formats::grouped(qint64 count) {
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0 && digits[at - 1].isDigit(); at -= 3)
        digits.insert(at, QLatin1Char('.'));
    return digits;
}

QString Formats::fixedPoint(qint64 scaled, int decimals) {
    return fixedWith(scaled, decimals, QLatin1Char('.'));
}

QString Formats::real(double value, int decimals) const {
    double factor = std::pow(10.0, decimals);
    return fixed(roundHalfEven(value * factor), decimals);
}

QString Formats::shortDate(const QDate& date) const {
    return this->date(QStringLiteral("dd/mm/yyyy"), date);
}

QString Formats::longTime(const QTime& t) const {
    return time(QStringLiteral("hh:nn:ss"), t);
}

QString Formats::monthName(int month) const {
    return month >= 1 && month <= 12 ? QString::fromUtf8(kMonthNames[month - 1]) : QString();
}

QString Formats::monthAbbreviation(int month) const {
    return month >= 1 && month <= 12 ? QString::fromUtf8(kMonthShort[month - 1]) : QString();
}

QString Formats::dayName(int dayOfWeek) const {
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf8(kDayNames[dayOfWeek - 1])
                                            : QString();
}

QString Formats::dayAbbreviation(int dayOfWeek) const {
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? QString::fromUtf8(kDayShort[dayOfWeek - 1])
                                            : QString();
}

QString Formats::dateTime(const QString& pattern, const QDateTime& moment) const {
    const QDate d = moment.date();
    const QTime t = moment.time();
    QString out;
    bool lastWasHour = false;
    qsizetype i = 0;
    const qsizetype n = pattern.size();
    auto runOf = [&](QChar c) {
        qsizetype k = i;
        while (k < n && pattern.at(k).toLower() == c)
            ++k;
        return k - i;
    };
    while (i < n) {
        const QChar c = pattern.at(i);
        const QChar lc = c.toLower();
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            qsizetype end = pattern.indexOf(c, i + 1);
            if (end < 0)
                end = n;
            out += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (c == QLatin1Char('/')) {
            out += dateSeparator_;
            ++i;
            continue;
        }
        if (c == QLatin1Char(':')) {
            out += timeSeparator_;
            ++i;
            continue;
        }
        const qsizetype run = runOf(lc);
        if (lc == QLatin1Char('d')) {
            if (run >= 4) {
                out += dayName(d.dayOfWeek());
                i += 4;
            } else if (run == 3) {
                out += dayAbbreviation(d.dayOfWeek());
                i += 3;
            } else if (run == 2) {
                out += twoDigits(d.day());
                i += 2;
            } else {
                out += QString::number(d.day());
                i += 1;
            }
            lastWasHour = false;
        } else if (lc == QLatin1Char('m')) {
            if (lastWasHour && run <= 2) {
                out += run == 2 ? twoDigits(t.minute()) : QString::number(t.minute());
                i += run;
            } else if (run >= 4) {
                out += monthName(d.month());
                i += 4;
            } else if (run == 3) {
                out += monthAbbreviation(d.month());
                i += 3;
            } else if (run == 2) {
                out += twoDigits(d.month());
                i += 2;
            } else {
                out += QString::number(d.month());
                i += 1;
            }
            lastWasHour = false;
        } else if (lc == QLatin1Char('y')) {
            if (run >= 3) {
                out += QString::number(d.year()).rightJustified(4, QLatin1Char('0'));
            } else {
                out += twoDigits(d.year() % 100);
            }
            i += run;
            lastWasHour = false;
        } else if (lc == QLatin1Char('h')) {
            out += run >= 2 ? twoDigits(t.hour()) : QString::number(t.hour());
            i += run >= 2 ? 2 : 1;
            lastWasHour = true;
        } else if (lc == QLatin1Char('n')) {
            out += run >= 2 ? twoDigits(t.minute()) : QString::number(t.minute());
            i += run >= 2 ? 2 : 1;
            lastWasHour = false;
        } else if (lc == QLatin1Char('s')) {
            out += run >= 2 ? twoDigits(t.second()) : QString::number(t.second());
            i += run >= 2 ? 2 : 1;
            lastWasHour = false;
        } else if (lc == QLatin1Char('z')) {
            out += run >= 3 ? QString::number(t.msec()).rightJustified(3, QLatin1Char('0'))
                            : QString::number(t.msec());
            i += run >= 3 ? 3 : 1;
            lastWasHour = false;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}
