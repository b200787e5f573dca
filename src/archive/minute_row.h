// One archive row: a minute with station data, its values in the station's units as the record
// holds them, and which groups were good in that minute. A quantity whose group did not arrive in
// the minute, or whose value the console cannot measure, is empty (NULL in the archive).
#pragma once

#include <QDateTime>
#include <array>
#include <cstdint>
#include <optional>

#include "station/quantity.h"
#include "station/weather_record.h"

// The archive column of a quantity ("outdoor_temp", ...).
const char* quantityColumn(Quantity q);

struct MinuteRow {
    std::int64_t minute = 0;     // UTC seconds since 1970 at the start of the minute
    std::int32_t utcOffset = 0;  // seconds the local time was ahead of UTC
    std::uint8_t groups = 0;     // GroupInfo::bit() of each good group that arrived
    std::array<std::optional<std::int32_t>, kQuantityCount> values{};

    std::optional<std::int32_t>& operator[](Quantity q) { return values[std::size_t(q)]; }
    const std::optional<std::int32_t>& operator[](Quantity q) const {
        return values[std::size_t(q)];
    }
};

// Takes the values one group carries from the record into the row (the other groups' values stay
// as they are) and marks the group good. The minute's gust is the highest gust seen in it. A byte
// that is no group byte changes nothing.
void takeGroupValues(MinuteRow& row, std::uint8_t groupByte, const WeatherRecord& record);

// The start of the minute of `at` as UTC seconds, and the local offset then.
std::int64_t minuteOf(const QDateTime& at);
