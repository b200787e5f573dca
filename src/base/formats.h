// How numbers, dates and times are written. The program's texts follow the German Windows
// conventions whatever the machine's locale: decimal comma in windows, "07.12.2026", "21:30:05",
// month names Januar ... Dezember and abbreviations Jan Feb Mrz Apr Mai Jun Jul Aug Sep Okt Nov
// Dez. Files use the decimal point where their format says so.
#pragma once

#include <QDateTime>
#include <QString>

class Formats {
public:
    // The German profile every window and file of the program uses.
    static const Formats& german();

    QChar decimalSeparator() const { return decimalSeparator_; }

    // A fixed-point number given in units of 10^-decimals, e.g. (215, 1) -> "21,5", (-5, 1) ->
    // "-0,5".
    QString fixed(qint64 scaled, int decimals) const;
    // The same with the decimal point, as files want it.
    static QString fixedPoint(qint64 scaled, int decimals);
    // A whole count with dots between groups of three digits: 525600 -> "525.600".
    static QString grouped(qint64 count);
    // A real number rounded to the given decimals (halves to even) in window form.
    QString real(double value, int decimals) const;

    QString shortDate(const QDate& date) const;    // dd.MM.yyyy
    QString longTime(const QTime& time) const;     // HH:mm:ss
    QString monthName(int month) const;            // 1 -> "Januar"
    QString monthAbbreviation(int month) const;    // 12 -> "Dez"
    QString dayName(int dayOfWeek) const;          // 1 (Monday) -> "Montag"
    QString dayAbbreviation(int dayOfWeek) const;  // 1 -> "Mo"

    // Formats with the date and time pattern letters the program's file names and texts use:
    // d dd ddd dddd, m mm mmm mmmm (month; minutes right after h/hh), yy yyyy, h hh, n nn, s ss,
    // z zzz, "/" (date separator "."), ":" (time separator), text in '...' or "..." is copied as it
    // stands; every other character is copied.
    QString dateTime(const QString& pattern, const QDateTime& moment) const;
    QString date(const QString& pattern, const QDate& day) const {
        return dateTime(pattern, QDateTime(day, QTime(0, 0)));
    }
    QString time(const QString& pattern, const QTime& t) const {
        return dateTime(pattern, QDateTime(QDate(1899, 12, 30), t));
    }

private:
    QChar decimalSeparator_ = QLatin1Char(',');
    QChar dateSeparator_ = QLatin1Char('.');
    QChar timeSeparator_ = QLatin1Char(':');
};

// Rounds to the nearest integer, halves to the even neighbour (the program's rounding everywhere).
qint64 roundHalfEven(double value);
