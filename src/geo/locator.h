// Maidenhead locators: the six-character locator to the centre of its subsquare and back, the
// three-part degrees text of the Locator window, and the distance of two points on the earth
// ellipsoid. Pure functions.
#pragma once

#include <QString>
#include <optional>

// A point on the earth in degrees: east and north positive.
struct GeoPosition {
    double longitude = 0;
    double latitude = 0;
};

// True when the text can be converted: six characters with digits in positions 3 and 4. Letters
// are not checked further; a character that is no letter counts as the 27th letter.
bool isLocatorText(const QString& locator);

// The centre of the locator's subsquare, in either case of letters: longitude = 20 x field letter +
// 2 x square digit + (subsquare letter + 0.5) / 12 - 180, latitude likewise with 10, 1 and 24 and
// -90. Nothing when the text is not a locator text (isLocatorText).
std::optional<GeoPosition> LocatorToLatLon(const QString& locator);

// The six-character locator (upper case) of the subsquare holding the point; longitudes and
// latitudes outside -180 ... 180 and -90 ... 90 are held at the edge.
QString LatLonToLocator(const GeoPosition& position);

// The absolute value as degrees, minutes and seconds of arc, "D.MM.SS", rounded to the whole
// second (halves to even): 7.9583333 gives "7.57.30" (7°57'30").
QString LatLonToDegMinText(double degrees);

// Kilometres between two points on the ellipsoid (equatorial radius 6378.14 km, flattening
// 1/298.257), by the two-term approximation of the geodesic. Identical points give 0; where the
// approximation has no value (antipodal points) the distance on the sphere of the same radius.
double EllipsoidDistance(double latitude1, double longitude1, double latitude2, double longitude2);
