// The WinGT pages: the Read page "Wetter.txt" in the Read folder (mode 1) and the page of profile n
// in the Import folder (mode n >= 2), rewritten whole from the present station values.
#pragma once

#include <QDateTime>
#include <QStringList>

#include "base/formats.h"
#include "config/settings.h"
#include "outputs/output_context.h"
#include "station/weather_record.h"

// The profile whose texts make up a page of this mode: profile 1 for the Read page, profile n for
// mode n; an empty profile for a mode beyond the profile table.
const Profile& ReportProfile(const Settings& settings, int mode);

// Where a page of this mode goes: the Read folder's "Wetter.txt", or the Import folder and a file
// name made from the profile's name that never leads out of that folder (an empty name gives "_").
QString ReportPagePath(const Settings& settings, int mode);

// The lines of a page of this mode (mode >= 1), without line ends.
QStringList BuildReportLines(const StationData& data, const Settings& settings, int mode,
                             const QDateTime& now, const Formats& formats);

// Writes the page of this mode, replacing the old one whole. Failures are shown through the
// notifier and leave the old page as it was; mode 0 writes nothing.
void WriteWeatherReport(const OutputContext& context, int reportMode);
