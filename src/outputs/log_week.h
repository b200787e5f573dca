// The program's own week count, used for the week folders of the weather log and the ASYNOP
// archive: not the ISO week, but four weeks per month.
#pragma once

#include <QDate>

// (day of month div 7) + 4 * (month - 1) + 1: 1 for 1 to 6 January ... 49 for 28 to 31 December.
int LogWeek(const QDate& date);
