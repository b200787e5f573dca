// The weather log: one fixed-column line per snapshot, appended to a daily, weekly or monthly file,
// optionally in month and week folders below the log folder.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include "base/formats.h"
#include "config/settings.h"
#include "outputs/output_context.h"
#include "station/weather_record.h"

// The log file for this day: LogOrdner ["/" month year] ["/Woche " week] "/" file name. Empty when
// LogUpdate names no file rhythm.
QString WeatherLogPath(const Settings& settings, const QDate& today, const Formats& formats);

// The column header written once at the top of every new log file (136 characters).
QString WeatherLogHeader();

// The data line of the present values; the date and time come from the station clock (computer's
// year) or, while it cannot give a valid moment, from now. A value the quality gate calls missing
// leaves its field blank.
QString WeatherLogLine(const StationData& data, const QDateTime& now, const Formats& formats);

// Appends one line (and the header to a new file), creating the folders. The file is never read or
// rewritten, so the cost does not grow with the log. Failures are shown through the notifier.
void WriteWeatherLog(const OutputContext& context);
