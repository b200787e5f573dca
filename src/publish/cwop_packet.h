// The texts of a CWOP upload over APRS-IS: the login line and the position weather packet
// "CALL>APRS,TCPIP*:@DDHHMMz5030.00N/00800.00E_" + the weather fields of the APRS file + the
// program's tag. Pure functions.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "config/settings.h"
#include "geo/locator.h"

// The station's position from the ASYNOP settings (tenths of degrees, the earth quadrant giving
// the hemispheres: 1 north-east, 3 south-east, 5 south-west, 7 north-west); nothing when they do
// not form one.
std::optional<GeoPosition> stationPosition(const Settings& settings);

// "5030.00N/00800.00E": degrees and minutes with two decimals and leading zeros, the primary
// symbol table between them.
QString aprsPosition(const GeoPosition& position);

// The digit at which an hour's first packet goes out: the call sign's last digit (an SSID after
// "-" does not count); 0 when it has none.
int callSignLastDigit(const QString& callSign);

// "user CALL pass PASSCODE vers Wetterpult VERSION".
QString aprsIsLogin(const QString& callSign, const QString& passcode);

// The passcode as a number: -1 (a CW/DW station) or 0 ... 32767; nothing for any other text.
std::optional<int> aprsIsPasscode(const QString& text);

// The packet, without line end; `weatherFields` as AprsWeatherFields writes them, the time stamp
// from `now` in UTC.
QString cwopPacket(const QString& callSign, const GeoPosition& position,
                   const QString& weatherFields, const QDateTime& now);
