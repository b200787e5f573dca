// The number and time texts of the main window: tenths as the shortest decimal, extreme times with
// their year, and the texts that are left to this program (unit texts, negative 24-hour
// rain).
#pragma once

#include <QString>
#include <optional>

#include "base/formats.h"

// Tenths as the shortest decimal: 215 -> "21,5", 210 -> "21", -35 -> "-3,5", -5 -> "-0,5".
QString TenthsText(qint64 tenths, const Formats& formats);

// "07:05  14.06.2001" for minute 5, hour 7, day 14, month 6 in the year 2001. When (year, month,
// day) is no valid date the label keeps its text: the result is empty then.
std::optional<QString> ExtremeTimeText(int minute, int hour, int day, int month, int year,
                                       const Formats& formats);

// Units behind the console's wind and wind-chill alarm limits. The console keeps its limits in the
// imperial units it also uses for the temperature limits (whole °F), so the limits are shown as
// given, with that unit, and not converted.
inline const QString kWindAlarmUnit = QStringLiteral(" mph");
inline const QString kWindchillAlarmUnit = QString::fromUtf8("°F");

// The 24-hour rain text after "Seit 24h: ". The value is the difference of two 16-bit totals; a
// total that fell below its daily reference (the console's total was reset) gives no sensible
// amount, so the text says so instead of showing a number near 65536.
QString Rain24hText(quint16 rain24h);
