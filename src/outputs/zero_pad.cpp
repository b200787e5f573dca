#include "outputs/zero_pad.h"

#include "base/formats.h"

QString ZeroPad(double value, int width) {
    const qint64 rounded = roundHalfEven(value);
    if (rounded < 0) {
        // The zeros go between the sign and the digits, where APRS and SYNOP readers expect them.
        const QString digits = QString::number(rounded).mid(1);
        return QLatin1Char('-') + digits.rightJustified(width - 1, QLatin1Char('0'));
    }
    return QString::number(rounded).rightJustified(width, QLatin1Char('0'));
}

QString ZeroPadOr(const std::optional<double>& value, int width, QChar missing) {
    return value ? ZeroPad(*value, width) : QString(width, missing);
}
