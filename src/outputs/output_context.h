// What the output writers read: the station data, the settings, the ASYNOP state and the formats.
// The caller owns all of them; the writers never change the station data or the settings.
#pragma once

#include "base/formats.h"
#include "config/settings.h"
#include "outputs/asynop_state.h"
#include "station/weather_record.h"

struct OutputContext {
    const StationData& station;
    const Settings& settings;
    AsynopState& asynop;
    const Formats& formats = Formats::german();
};
