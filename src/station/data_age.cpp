#include "station/data_age.h"

#include "station/group_table.h"

void noteGroupArrival(StationData& data, std::uint8_t groupByte, const QDateTime& now) {
    if (const GroupInfo* group = groupFor(groupByte))
        data.GroupArrivedMs[static_cast<std::size_t>(group->index)] = now.toMSecsSinceEpoch();
}

bool allGroupsFresh(const StationData& data, const QDateTime& now) {
    const std::int64_t nowMs = now.toMSecsSinceEpoch();
    for (std::int64_t arrived : data.GroupArrivedMs) {
        const std::int64_t age = nowMs - arrived;
        if (arrived == 0 || age > kFreshDataMs || age < -kFreshDataMs)
            return false;
    }
    return true;
}
