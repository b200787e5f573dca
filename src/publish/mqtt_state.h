// The state message: every value the station measures, read through the quality gate, in metric
// units as one JSON object. A missing value is null, never 0.
#pragma once

#include <QByteArray>
#include <QDateTime>

#include "station/weather_record.h"

// The JSON object of the station's values at `now` (its UTC time is the message's "time"; local
// midnight starts "rain_today"). The members in the order of kMqttEntities after "time".
QByteArray mqttStateJson(const StationData& data, const QDateTime& now);
