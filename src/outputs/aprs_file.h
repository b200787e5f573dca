// The APRS weather file: a time stamp line and one line of APRS weather fields (US units),
// rewritten whole for an APRS program.
#pragma once

#include <QDateTime>
#include <QStringList>

#include "base/formats.h"
#include "config/settings.h"
#include "outputs/output_context.h"
#include "station/weather_record.h"

// The two lines of the file: "mmm dd yyyy hh:nn" from the computer's clock or the station clock,
// then the weather fields, e.g. "225/008g018t042h81b10132r000P000p000m/wolkig". A value the console
// cannot measure fills its field with dots ("h.."), as APRS writes a missing value.
QStringList BuildAprsLines(const StationData& station, const Settings& settings,
                           const QDateTime& now, const Formats& formats);

// The weather fields alone, from the wind to the rain of the last 24 hours
// ("225/008g018t042h81b10132r000P000p000"): the APRS file's line and the packet sent to APRS-IS.
QString AprsWeatherFields(const StationData& station, const Settings& settings,
                          const QDateTime& now);

// Replaces the file APRSDatei whole; a failure is shown through the notifier and leaves the old
// file.
void WriteAprsFile(const OutputContext& context);
