// Reads a run of local wall-clock moments that come in order (the station clock of a replayed
// stream, the lines of a weather log) as UTC instants, so that the changes of daylight-saving
// time lose and double no minute. The rules are drawn in docs/PROTOCOL.md ("Station time"):
// - a moment that follows the run's own step and is a local time of the zone keeps the run;
// - otherwise the earliest reading after the last moment (the clock followed a change: forward
//   in spring, back an hour in autumn, which is the later offset);
// - otherwise the run's own step (a clock that does not follow the change shows the hour that
//   does not exist in spring, and runs an hour behind the zone until the autumn change);
// - a moment more than an hour back or a day ahead starts a new run (the earlier reading of an
//   autumn hour; a spring hour that does not exist is read with the offset before the change).
#pragma once

#include <QDateTime>
#include <cstdint>

class LocalTimeRun {
public:
    struct Instant {
        std::int64_t utc = 0;        // seconds since 1970
        std::int32_t utcOffset = 0;  // the offset in force then (local = utc + offset)
    };

    // `local`: the date and time as the clock shows them (local or UTC mark ignored).
    Instant read(const QDateTime& local);

private:
    bool started_ = false;
    std::int64_t lastShown_ = 0;  // the last moment as shown, in seconds as if it were UTC
    std::int64_t lastUtc_ = 0;
    std::int64_t runOffset_ = 0;  // shown minus UTC along the run
};
