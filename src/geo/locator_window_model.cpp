#include "geo/locator_window_model.h"

#include <QLocale>
#include <cmath>

#include "geo/locator.h"

const QString LocatorWindowModel::kInvalidInput = QStringLiteral("Ungültige Eingabe");

namespace {

// An absolute coordinate with up to 15 significant digits and the decimal point.
QString digitsOf(double absolute) {
    return QString::number(absolute, 'g', 15);
}

// The digits before the decimal point and the first one after it, as a whole number: the
// absolute value in tenths of a degree, truncated, as the decimal field shows it.
QString tenthsOf(const QString& decimalDigits, int width) {
    const qsizetype point = decimalDigits.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? decimalDigits : decimalDigits.left(point);
    const QString tenth = point < 0 ? QStringLiteral("0") : decimalDigits.mid(point + 1, 1);
    return QString::number((whole + tenth).toLongLong()).rightJustified(width, QLatin1Char('0'));
}

// 1 north-east, 3 south-east, 5 south-west, 7 north-west, from the two field letters: after "I"
// is east (longitude) and north (latitude).
std::uint8_t quadrantOf(const QString& locator) {
    const bool east = locator.at(0) > QLatin1Char('I');
    const bool north = locator.at(1) > QLatin1Char('I');
    if (east)
        return north ? 1 : 3;
    return north ? 7 : 5;
}

// A coordinate typed into a decimal field: "50,5625 N", "-7.9", "7,9 W". `positive` and
// `negative` are the hemisphere letters; the value must lie within +-limit.
std::optional<double> coordinateOf(QString text, const QString& positive, const QString& negative,
                                   double limit) {
    text = text.trimmed().toUpper();
    double sign = 1;
    if (!text.isEmpty() && text.back().isLetter()) {
        const QChar h = text.back();
        if (negative.contains(h))
            sign = -1;
        else if (!positive.contains(h))
            return std::nullopt;
        text.chop(1);
        text = text.trimmed();
        if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')))
            return std::nullopt;  // a sign and a hemisphere letter contradict or repeat each other
    }
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok) * sign;
    if (!ok || !std::isfinite(value) || std::fabs(value) > limit)
        return std::nullopt;
    return value;
}

}  // namespace

QString LocatorWindowModel::decimalText(double absolute, QChar hemisphere) const {
    QString digits = digitsOf(absolute);
    digits.replace(QLatin1Char('.'), formats_.decimalSeparator());
    return digits + QLatin1Char(' ') + hemisphere;
}

void LocatorWindowModel::fill() {
    setOwnLocator(settings_.MyLocator);
    fillMessage = toCoordinates();
}

std::vector<FieldProblem> LocatorWindowModel::problems() const {
    if (!isLocatorText(own_))
        return {{QString::fromLatin1(kOwnField), kInvalidInput}};
    return {};
}

std::optional<FieldProblem> LocatorWindowModel::apply() {
    const std::optional<LocatorTakeOver> t = takeOver();
    if (!t)
        return FieldProblem{QString::fromLatin1(kOwnField), kInvalidInput};
    settings_.MyLocator = t->MyLocator;
    settings_.ASYNOPLat = t->ASYNOPLat;
    settings_.ASYNOPLong = t->ASYNOPLong;
    settings_.ASYNOPErdquadrant = t->ASYNOPErdquadrant;
    return std::nullopt;
}

QString LocatorWindowModel::toCoordinates() {
    const auto position = LocatorToLatLon(own_);
    if (!position)
        return kInvalidInput;
    const QChar ew = position->longitude >= 0 ? QLatin1Char('E') : QLatin1Char('W');
    const QChar ns = position->latitude >= 0 ? QLatin1Char('N') : QLatin1Char('S');
    const double lon = std::fabs(position->longitude);
    const double lat = std::fabs(position->latitude);
    latitudeDecimal = decimalText(lat, ns);
    longitudeDecimal = decimalText(lon, ew);
    latitudeDegrees = LatLonToDegMinText(lat) + QLatin1Char(' ') + ns;
    longitudeDegrees = LatLonToDegMinText(lon) + QLatin1Char(' ') + ew;
    return {};
}

QString LocatorWindowModel::distanceMessage() const {
    const auto from = LocatorToLatLon(own_);
    const auto to = LocatorToLatLon(target_);
    if (!from || !to)
        return kInvalidInput;
    const double km =
        EllipsoidDistance(from->latitude, from->longitude, to->latitude, to->longitude);
    const qint64 tenths = qint64(km * 10);  // truncated, not rounded
    const QString distance =
        tenths % 10 == 0 ? QString::number(tenths / 10) : formats_.fixed(tenths, 1);
    return QStringLiteral("Distanz ") + own_ + QStringLiteral(" - ") + target_ +
           QStringLiteral(": ") + distance + QStringLiteral(" km");
}

QString LocatorWindowModel::toLocator() {
    const auto lat = coordinateOf(latitudeDecimal, QStringLiteral("N"), QStringLiteral("S"), 90);
    const auto lon = coordinateOf(longitudeDecimal, QStringLiteral("EO"), QStringLiteral("W"), 180);
    if (!lat || !lon)
        return kInvalidInput;
    own_ = LatLonToLocator(GeoPosition{*lon, *lat});
    return toCoordinates();
}

std::optional<LocatorTakeOver> LocatorWindowModel::takeOver() {
    if (!toCoordinates().isEmpty())
        return std::nullopt;
    const auto position = LocatorToLatLon(own_);
    LocatorTakeOver t;
    t.MyLocator = own_;
    t.ASYNOPLat = tenthsOf(digitsOf(std::fabs(position->latitude)), 3);
    t.ASYNOPLong = tenthsOf(digitsOf(std::fabs(position->longitude)), 4);
    t.ASYNOPErdquadrant = quadrantOf(own_);
    return t;
}
