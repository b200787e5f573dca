// Packs the fields of a weather record into the station's five groups, byte for byte as the console
// sends them (packed BCD, split nibbles, sign and flag bits), each ending in its checksum.
#pragma once

#include <QByteArray>
#include <cstdint>

#include "station/weather_record.h"

// The body of one group (the bytes after the group byte, checksum last). Values outside what the
// console can send are clamped to its range: temperatures -79.9..79.9 °C, dew points 0..99 °C,
// humidities 0..159 %, speeds 0..99.9 m/s, rain 0..9999 mm, wind chill -99..99 °C.
QByteArray encodeGroupBody(std::uint8_t groupByte, const WeatherRecord& record);

// The group as it goes on the wire: group byte followed by the body.
QByteArray encodeGroup(std::uint8_t groupByte, const WeatherRecord& record);

// The checksum of a group: the group byte plus all body bytes but the last, modulo 256.
std::uint8_t groupChecksum(std::uint8_t groupByte, const QByteArray& bodyWithoutChecksum);
