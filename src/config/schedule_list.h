// The WinGT schedule lists "Import" and "Read": times of day hh:mm kept in the sections
// ImportSchedule and ReadSchedule of wetterpult.ini, and the next time that is due.
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "config/settings.h"

// A list holds at most this many times.
inline constexpr int kMaxScheduleTimes = 255;

// "Eine Zeitliste kann höchstens 255 Zeiten enthalten."
QString scheduleListFullMessage();

// The next due time of the list "Import" or "Read" as hh:mm: the earliest stored time later than
// now (AppClock), else the earliest time, due tomorrow; "00:00" when the list holds none. A stored
// value that is no valid hh:mm is skipped.
QString NextScheduleTime(const Settings& settings, const QString& listName);

// The stored times of a list, Time0 ... Time<c-1> for the c keys of its section; a missing key
// reads as "12:00". Empty when the section holds no key.
QStringList ReadScheduleList(const Settings& settings, const QString& listName);

// Replaces the list's section with the given times, Time<n> for the text at position n; an empty
// text is skipped but keeps its number. All or nothing: on failure the message
// "In <path> kann nicht geschrieben werden" is shown, the file stays as it was, and the result is
// false. A list longer than kMaxScheduleTimes is refused with a message and writes nothing.
bool WriteScheduleList(const Settings& settings, const QStringList& times, const QString& listName);

// A list name ("Import", "Read") with its times.
using NamedSchedule = std::pair<QString, QStringList>;
// Replaces the sections of several lists in one write of the file: all of them or none.
bool WriteScheduleLists(const Settings& settings, const std::vector<NamedSchedule>& lists);

// True when the text is a time of day hh:mm (00:00 ... 23:59, two digits each).
bool isScheduleTime(const QString& text);
