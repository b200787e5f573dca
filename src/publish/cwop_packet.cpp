#include "publish/cwop_packet.h"

#include <cmath>

#include "base/program_version.h"

namespace {

// Tenths of degrees as the ASYNOP settings hold them ("505"), within 0 ... limit.
std::optional<double> tenthsOfDegree(const QString& text, int limit) {
    bool ok = false;
    const int tenths = text.trimmed().toInt(&ok);
    if (!ok || tenths < 0 || tenths > limit)
        return std::nullopt;
    return tenths / 10.0;
}

// "DDMM.mm" (or "DDDMM.mm") of the absolute value, in hundredths of minutes, rounded.
QString degreesMinutes(double degrees, int degreeDigits) {
    const qint64 hundredths = std::llround(std::fabs(degrees) * 6000.0);
    const qint64 whole = hundredths / 6000;
    const qint64 rest = hundredths % 6000;
    return QStringLiteral("%1%2.%3")
        .arg(whole, degreeDigits, 10, QLatin1Char('0'))
        .arg(rest / 100, 2, 10, QLatin1Char('0'))
        .arg(rest % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace

std::optional<GeoPosition> stationPosition(const Settings& settings) {
    const std::optional<double> latitude = tenthsOfDegree(settings.ASYNOPLat, 900);
    const std::optional<double> longitude = tenthsOfDegree(settings.ASYNOPLong, 1800);
    const int quadrant = settings.ASYNOPErdquadrant;
    if (!latitude || !longitude ||
        (quadrant != 1 && quadrant != 3 && quadrant != 5 && quadrant != 7))
        return std::nullopt;
    const bool north = quadrant == 1 || quadrant == 7;
    const bool east = quadrant == 1 || quadrant == 3;
    return GeoPosition{east ? *longitude : -*longitude, north ? *latitude : -*latitude};
}

QString aprsPosition(const GeoPosition& position) {
    return degreesMinutes(position.latitude, 2) + QLatin1Char(position.latitude < 0 ? 'S' : 'N') +
           QLatin1Char('/') + degreesMinutes(position.longitude, 3) +
           QLatin1Char(position.longitude < 0 ? 'W' : 'E');
}

int callSignLastDigit(const QString& callSign) {
    const QString call = callSign.section(QLatin1Char('-'), 0, 0);
    for (qsizetype i = call.size() - 1; i >= 0; --i)
        if (call.at(i).isDigit())
            return call.at(i).digitValue();
    return 0;
}

std::optional<int> aprsIsPasscode(const QString& text) {
    bool ok = false;
    const int passcode = text.trimmed().toInt(&ok);
    if (!ok || passcode < -1 || passcode > 32767)
        return std::nullopt;
    return passcode;
}

QString aprsIsLogin(const QString& callSign, const QString& passcode) {
    return QStringLiteral("user %1 pass %2 vers Wetterpult %3")
        .arg(callSign, passcode.trimmed())
        .arg(QLatin1String(kProgramVersionText));
}

QString cwopPacket(const QString& callSign, const GeoPosition& position,
                   const QString& weatherFields, const QDateTime& now) {
    return callSign + QStringLiteral(">APRS,TCPIP*:@") +
           now.toUTC().toString(QStringLiteral("ddHHmm")) + QLatin1Char('z') +
           aprsPosition(position) + QLatin1Char('_') + weatherFields +
           QStringLiteral("Wetterpult ") + QLatin1String(kProgramVersionText);
}
