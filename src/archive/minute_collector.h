// Gathers the good groups of one minute into its archive row: the row is done when a group of a
// later minute arrives or the minute is over by the clock. A minute without a good group gives no
// row, so a gap in the data stays a gap.
#pragma once

#include <QDateTime>
#include <optional>

#include "archive/minute_row.h"
#include "station/local_time_run.h"
#include "station/weather_record.h"

class MinuteCollector {
public:
    // A good group of this kind has been decoded into the record at `at` (UTC seconds since 1970;
    // the local time then is at + utcOffset). Returns the row of the minute before when this group
    // starts a later minute.
    std::optional<MinuteRow> groupDecoded(std::uint8_t groupByte, const WeatherRecord& record,
                                          std::int64_t at, std::int32_t utcOffset);
    // The row in progress once `now` (UTC seconds) is past its minute (or at the end of the run,
    // `force`).
    std::optional<MinuteRow> close(std::int64_t now, bool force = false);

private:
    std::optional<MinuteRow> pending_;
};

// The moment a replayed stream stands at, from the station clock of its 0x8F groups: the stream's
// own time instead of the computer's, so that a capture of a month fills a month of minutes. The
// station sends no year: the stream's first date is the latest that is not after `now` (a capture
// lies in the past) — or in the year given — and each later date the one nearest the date before
// (December runs on into January). The clock's local times become UTC along the stream's run, so
// the changes of daylight-saving time lose and double no minute (station/local_time_run.h).
class StreamClock {
public:
    explicit StreamClock(const QDateTime& now, int startYear = 0)
        : now_(now), startYear_(startYear) {}
    // The moment of the station clock in this record (UTC, with the offset in force); nothing
    // until a clock group with a valid date has been seen. The groups between two clock groups
    // carry the same reading: it is worked out once.
    std::optional<LocalTimeRun::Instant> at(const WeatherRecord& record);

private:
    std::optional<LocalTimeRun::Instant> read(const StationTime& t);

    QDateTime now_;
    StationTime lastRead_{};
    std::optional<LocalTimeRun::Instant> lastInstant_;
    int startYear_;
    QDate lastDate_;
    LocalTimeRun run_;
};
