// Reads one line of the program's weather log (the fixed columns its writer produces) back into
// an archive row: the moment from the line's local date and time, the values into their groups.
#pragma once

#include <QString>
#include <optional>

#include "archive/minute_row.h"

enum class LogLineKind {
    Data,    // a row was read
    Header,  // the column header at the top of each file
    Blank,   // an empty line
    Damaged  // neither: a line that cannot be read
};

struct LogLineResult {
    LogLineKind kind = LogLineKind::Damaged;
    MinuteRow row;
};

LogLineResult readLogLine(const QString& line);
