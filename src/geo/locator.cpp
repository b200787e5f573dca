#include "geo/locator.h"

#include <algorithm>
#include <cmath>

#include "base/formats.h"

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kEquatorRadiusKm = 6378.14;
constexpr double kFlattening = 1 / 298.257;

// A, B, ... Z as 0 ... 25 in either case; any other character as 26.
int letterIndex(QChar c) {
    const QChar upper = c.toUpper();
    return upper >= QLatin1Char('A') && upper <= QLatin1Char('Z') ? upper.unicode() - 'A' : 26;
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QChar letter(int index) {
    return QLatin1Char(char('A' + index));
}

// The part of a coordinate (shifted to start at 0) that falls into `count` steps of `step`,
// held inside 0 ... count - 1.
int stepOf(double value, double step, int count) {
    return std::clamp(int(std::floor(value / step)), 0, count - 1);
}

double squared(double x) {
    return x * x;
}

double sphereDistance(double lat1, double lon1, double lat2, double lon2) {
    const double h = squared(std::sin((lat2 - lat1) / 2)) +
                     std::cos(lat1) * std::cos(lat2) * squared(std::sin((lon2 - lon1) / 2));
    return 2 * kEquatorRadiusKm * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0)));
}

}  // namespace

bool isLocatorText(const QString& locator) {
    return locator.size() == 6 && isDigit(locator.at(2)) && isDigit(locator.at(3));
}

std::optional<GeoPosition> LocatorToLatLon(const QString& locator) {
    if (!isLocatorText(locator))
        return std::nullopt;
    const auto digit = [&](int i) { return locator.at(i).unicode() - '0'; };
    GeoPosition p;
    p.longitude = 20.0 * letterIndex(locator.at(0)) + 2.0 * digit(2) +
                  (letterIndex(locator.at(4)) + 0.5) / 12 - 180;
    p.latitude =
        10.0 * letterIndex(locator.at(1)) + digit(3) + (letterIndex(locator.at(5)) + 0.5) / 24 - 90;
    return p;
}

QString LatLonToLocator(const GeoPosition& position) {
    const double lon = std::clamp(position.longitude, -180.0, 180.0) + 180;
    const double lat = std::clamp(position.latitude, -90.0, 90.0) + 90;
    const int lonField = stepOf(lon, 20, 18);
    const int latField = stepOf(lat, 10, 18);
    const int lonSquare = stepOf(lon - 20.0 * lonField, 2, 10);
    const int latSquare = stepOf(lat - 10.0 * latField, 1, 10);
    const int lonSub = stepOf(lon - 20.0 * lonField - 2.0 * lonSquare, 1.0 / 12, 24);
    const int latSub = stepOf(lat - 10.0 * latField - latSquare, 1.0 / 24, 24);
    return QString(letter(lonField)) + letter(latField) + QString::number(lonSquare) +
           QString::number(latSquare) + letter(lonSub) + letter(latSub);
}

QString LatLonToDegMinText(double degrees) {
    // Whole seconds of arc first, so that 59.6 seconds carry into the next minute.
    const qint64 seconds = roundHalfEven(std::fabs(degrees) * 3600);
    return QStringLiteral("%1.%2.%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

double EllipsoidDistance(double latitude1, double longitude1, double latitude2, double longitude2) {
    const double lat1 = latitude1 / kDegreesPerRadian;
    const double lon1 = longitude1 / kDegreesPerRadian;
    const double lat2 = latitude2 / kDegreesPerRadian;
    const double lon2 = longitude2 / kDegreesPerRadian;

    const double f = (lat1 + lat2) / 2;
    const double g = (lat1 - lat2) / 2;
    const double l = (lon1 - lon2) / 2;
    const double s =
        squared(std::sin(g)) * squared(std::cos(l)) + squared(std::cos(f)) * squared(std::sin(l));
    const double c =
        squared(std::cos(g)) * squared(std::cos(l)) + squared(std::sin(f)) * squared(std::sin(l));
    if (!(s > 0))
        return 0;  // the same point
    if (!(c > 0))
        return sphereDistance(lat1, lon1, lat2, lon2);

    const double omega = std::atan(std::sqrt(s / c));
    const double r = std::sqrt(s * c) / omega;
    const double d = 2 * omega * kEquatorRadiusKm;
    const double h1 = (3 * r - 1) / (2 * c);
    const double h2 = (3 * r + 1) / (2 * s);
    const double distance =
        d * (1 + kFlattening * h1 * squared(std::sin(f)) * squared(std::cos(g)) -
             kFlattening * h2 * squared(std::cos(f)) * squared(std::sin(g)));
    return std::isfinite(distance) ? distance : sphereDistance(lat1, lon1, lat2, lon2);
}
