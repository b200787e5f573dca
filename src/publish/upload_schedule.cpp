#include "publish/upload_schedule.h"

#include <algorithm>

bool isUploadMinute(int minuteOfHour, int firstMinute, int intervalMinutes) {
    const int interval = std::clamp(intervalMinutes, 1, 60);
    const int first = ((firstMinute % 60) + 60) % 60;
    // The offset from the hour's first send; before it, the minute belongs to the last hour's run.
    const int since = minuteOfHour - first;
    if (since < 0 || since % interval != 0)
        return false;
    // The hour's last send keeps at least an interval before the next hour's first.
    return 60 - since >= interval;
}
