// Whole numbers with leading zeros, as the APRS and ASYNOP lines write their fields.
#pragma once

#include <QString>
#include <optional>

// The value rounded to an integer (halves to even), written in decimal and filled with "0" after
// the sign up to width characters; a longer number is written whole. The sign counts towards the
// width: (-5, 3) gives "-05", (7, 3) gives "007", (1234, 2) gives "1234".
QString ZeroPad(double value, int width);

// ZeroPad(value, width) for a measured value; for a missing one width times the file format's sign
// for "no value" ('.' in APRS, '/' in SYNOP groups).
QString ZeroPadOr(const std::optional<double>& value, int width, QChar missing);
