#include "display/thermometer_geometry.h"

#include "station/quality_gate.h"

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

std::optional<double> thermometerValue(ThermometerQuantity quantity, const WeatherRecord& record) {
    auto degrees = [&record](Quantity q, double perDegree) -> std::optional<double> {
        const Measured v = measuredInRecord(record, q);
        return v ? std::optional<double>(*v / perDegree) : std::nullopt;
    };
    switch (quantity) {
        case ThermometerQuantity::IndoorTemp:
            return degrees(Quantity::IndoorTemp, 10.0);
        case ThermometerQuantity::OutdoorTemp:
            return degrees(Quantity::OutdoorTemp, 10.0);
        case ThermometerQuantity::IndoorDew:
            return degrees(Quantity::IndoorDew, 1.0);
        case ThermometerQuantity::OutdoorDew:
            return degrees(Quantity::OutdoorDew, 1.0);
        case ThermometerQuantity::Windchill:
            return degrees(Quantity::Windchill, 1.0);
    }
    return std::nullopt;
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
