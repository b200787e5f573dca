#include "station/data_age.h"

#include "station/group_table.h"
#include "station/quality_gate.h"

void noteGroupArrival(StationData& data, std::uint8_t groupByte, std::int64_t nowMs) {
    const GroupInfo* group = groupFor(groupByte);
    if (!group)
        return;
    data.GroupArrivedMs[static_cast<std::size_t>(group->index)] = nowMs;
    if (group->carries(Quantity::RainTotal)) {
        if (const Measured total = measuredInRecord(data.Record, Quantity::RainTotal))
            data.RainLog.note(nowMs / 1000, *total);
    }
}

bool allGroupsFresh(const StationData& data, std::int64_t nowMs) {
    for (std::int64_t arrived : data.GroupArrivedMs) {
        const std::int64_t age = nowMs - arrived;
        if (arrived == 0 || age > kFreshDataMs || age < -kFreshDataMs)
            return false;
    }
    return true;
}
