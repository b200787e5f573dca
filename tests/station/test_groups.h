// Test helper: builds station groups from chosen record values, the way the console packs them,
// with the group byte in front and a correct checksum behind. Values must lie in the ranges the
// console sends (plain decimal digits); odd nibbles are written into the bytes by hand.
#pragma once

#include <QByteArray>
#include <cstdint>

#include "station/weather_record.h"

namespace testing_groups {

// The body without its checksum, for each group kind.
QByteArray body8F(const WeatherRecord& r);
QByteArray body9F(const WeatherRecord& r);
QByteArray bodyAF(const WeatherRecord& r);
QByteArray bodyBF(const WeatherRecord& r);
QByteArray bodyCF(const WeatherRecord& r);

// Group byte + body + checksum (group byte and body summed modulo 256).
QByteArray frame(std::uint8_t groupByte, const QByteArray& bodyWithoutChecksum);
// The same with the checksum off by one.
QByteArray frameWithBadChecksum(std::uint8_t groupByte, const QByteArray& bodyWithoutChecksum);

// A whole group of this kind built from the record.
QByteArray group(std::uint8_t groupByte, const WeatherRecord& r);

// A record with plausible values in every field of every group.
WeatherRecord sampleRecord();
// The same as station data whose five groups have all arrived.
StationData sampleStation();

}  // namespace testing_groups
