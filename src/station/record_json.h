// The JSON line wetterpult-decode prints per group: the group byte, the checksum result, the whole
// weather record with its members in declaration order, GroupSeen and the minute's gust maximum.
#pragma once

#include <QByteArray>
#include <cstdint>

#include "station/weather_record.h"

// The record as one compact JSON object, every member in declaration order, numbers as integers,
// flags as true/false. MinuteWindMax and MinuteWindMaxDir are left out (the line carries them).
QByteArray WeatherRecordJson(const WeatherRecord& record);

// {"group":"8F","checksum":"OK!","record":{...},"GroupSeen":[...],"MinuteWindMax":0,
// "MinuteWindMaxDir":0} without a line end. A null checksum writes JSON null (client road). A
// group held for its jumping values has the checksum "Gehalten!" and leaves the record as it was;
// "droppedHeld":true follows the checksum when this group dropped the one held before it.
QByteArray RecordJsonLine(std::uint8_t groupByte, const char* checksum, const StationData& data,
                          bool droppedHeld = false);
