#include "display/thermometer_geometry.h"

#include <algorithm>

#include "base/formats.h"

QString thermometerCaption(ThermometerQuantity quantity) {
    switch (quantity) {
        case ThermometerQuantity::IndoorTemp:
            return QStringLiteral("Innentemperatur");
        case ThermometerQuantity::OutdoorTemp:
            return QStringLiteral("Aussentemperatur");
        case ThermometerQuantity::IndoorDew:
            return QStringLiteral("Innentaupunkt");
        case ThermometerQuantity::OutdoorDew:
            return QStringLiteral("Aussentaupunkt");
        case ThermometerQuantity::Windchill:
            return QStringLiteral("Windchill");
    }
    return {};
}

double thermometerValue(ThermometerQuantity quantity, const WeatherRecord& record) {
    switch (quantity) {
        case ThermometerQuantity::IndoorTemp:
            return record.IndoorTemp.Current / 10.0;
        case ThermometerQuantity::OutdoorTemp:
            return record.OutdoorTemp.Current / 10.0;
        case ThermometerQuantity::IndoorDew:
            return record.IndoorDew.Current;
        case ThermometerQuantity::OutdoorDew:
            return record.OutdoorDew.Current;
        case ThermometerQuantity::Windchill:
            return record.Windchill.Current;
    }
    return 0;
}

double thermometerPixelsPerDegree(int height) {
    return height * 77.0 / 7200.0;
}

double thermometerMinusThirtyY(int height) {
    return height * 211.0 / 240.0;
}

ThermometerColumn thermometerColumn(int height, int offset, double value) {
    const double p = thermometerPixelsPerDegree(height);
    // The scale ends at -30 and 50: the column never leaves it.
    const double shown = std::clamp(value, -30.0, 50.0);
    const int c = int(roundHalfEven(30 * p + p * shown));
    return {int(roundHalfEven(thermometerMinusThirtyY(height) - c + offset)), c};
}
