// Reads one line of the program's weather log (the fixed columns its writer produces) back into
// an archive row: the moment from the line's local date and time, the values into their groups.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "archive/minute_row.h"
#include "station/local_time_run.h"

enum class LogLineKind {
    Data,    // a row was read
    Header,  // the column header at the top of each file
    Blank,   // an empty line
    Damaged  // neither: a line that cannot be read
};

struct LogLineResult {
    LogLineKind kind = LogLineKind::Damaged;
    MinuteRow row;
    QDateTime shown;  // the line's date and time as written (local)
};

// The row's minute is the line's local time read on its own; an import reads the lines of its
// files as one run instead (station/local_time_run.h), which places the hours of the clock
// changes.
LogLineResult readLogLine(const QString& line);

// Places the row of a data line by `run`: its minute and the offset in force then.
void placeLogLine(LogLineResult& line, LocalTimeRun& run);
