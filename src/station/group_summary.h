// One readable German line per decoded group, as the headless program prints it: the station's
// clock (or the computer's while the station clock has not arrived) and the group's main values,
// e.g. "12:30:45 24.06. Temperatur innen 21,5 °C, außen -3,4 °C".
#pragma once

#include <QString>
#include <cstdint>

#include "base/formats.h"
#include "station/weather_record.h"

QString groupSummaryLine(const WeatherRecord& record, std::uint8_t groupByte,
                         const Formats& formats = Formats::german());
