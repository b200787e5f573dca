// What the output writers read: the station data, the settings, the ASYNOP state and the formats.
// The caller owns all of them; the writers never change the station data.
#pragma once

#include "base/formats.h"
#include "config/settings.h"
#include "outputs/asynop_state.h"
#include "station/weather_record.h"

struct OutputContext {
    const StationData& station;
    // Not const: a report line fills a short ASYNOP sender up to six characters for the rest of the
    // run, as the mailbox expects.
    Settings& settings;
    AsynopState& asynop;
    const Formats& formats = Formats::german();
};
