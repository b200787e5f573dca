#include "archive/minute_row.h"

#include "station/group_table.h"
#include "station/quality_gate.h"

namespace {
constexpr std::array<const char*, kQuantityCount> kColumns = {
    "indoor_temp",    "outdoor_temp",    "indoor_hum", "outdoor_hum", "indoor_dew", "outdoor_dew",
    "pressure_local", "pressure_sea",    "gust_speed", "gust_dir",    "avg_speed",  "avg_dir",
    "minute_gust",    "minute_gust_dir", "windchill",  "rain_rate",   "rain_total"};

void put(MinuteRow& row, Quantity q, const WeatherRecord& record) {
    row[q] = measuredInRecord(record, q);
}
}  // namespace

const char* quantityColumn(Quantity q) {
    return kColumns[std::size_t(q)];
}

void takeGroupValues(MinuteRow& row, std::uint8_t groupByte, const WeatherRecord& r) {
    const GroupInfo* group = groupFor(groupByte);
    if (!group)
        return;
    for (int i = 0; i < kQuantityCount; ++i) {
        const auto q = Quantity(i);
        // The minute's highest gust is kept below, not read from the record.
        if (group->carries(q) && q != Quantity::MinuteGust && q != Quantity::MinuteGustDir)
            put(row, q, r);
    }
    if (group->carries(Quantity::GustSpeed)) {
        const auto& gust = row[Quantity::GustSpeed];
        auto& highest = row[Quantity::MinuteGust];
        if (gust && (!highest || *gust > *highest)) {
            highest = gust;
            row[Quantity::MinuteGustDir] = row[Quantity::GustDir];
        }
    }
    row.groups |= group->bit();
}

std::int64_t minuteOf(const QDateTime& at) {
    const std::int64_t seconds = at.toSecsSinceEpoch();
    return seconds - ((seconds % 60) + 60) % 60;
}
