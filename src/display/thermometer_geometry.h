// The mercury thermometer's numbers: the five quantities it can show, the value of each from the
// weather record, and where the column stands for a value on the drawn scale (-30 to 50 degrees).
#pragma once

#include <QString>
#include <optional>

#include "station/weather_record.h"

// The quantity codes 1 to 5 in the order of the window's menu.
enum class ThermometerQuantity {
    IndoorTemp = 1,
    OutdoorTemp = 2,
    IndoorDew = 3,
    OutdoorDew = 4,
    Windchill = 5,
};

// "Innentemperatur", "Aussentemperatur", "Innentaupunkt", "Aussentaupunkt", "Windchill".
QString thermometerCaption(ThermometerQuantity quantity);
// The quantity's current value in degrees, or missing when the quality gate says so.
std::optional<double> thermometerValue(ThermometerQuantity quantity, const WeatherRecord& record);

// The drawn scale in a picture `height` pixels high: the -30 mark lies at 211/240 of the height,
// each degree takes 77/7200 of it.
double thermometerPixelsPerDegree(int height);
double thermometerMinusThirtyY(int height);

struct ThermometerColumn {
    int top = 0;  // window y of the column's upper end
    int height = 0;
    bool operator==(const ThermometerColumn&) const = default;
};
// The column over a picture `height` pixels high standing `offset` pixels below the window's top.
// Values below -30 give no column, values above 50 a column up to the 50 mark.
ThermometerColumn thermometerColumn(int height, int offset, double value);
