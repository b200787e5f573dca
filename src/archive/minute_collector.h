// Gathers the good groups of one minute into its archive row: the row is done when a group of a
// later minute arrives or the minute is over by the clock. A minute without a good group gives no
// row, so a gap in the data stays a gap.
#pragma once

#include <QDateTime>
#include <optional>

#include "archive/minute_row.h"
#include "station/weather_record.h"

class MinuteCollector {
public:
    // A good group of this kind has been decoded into the record at `at`. Returns the row of the
    // minute before when this group starts a later minute.
    std::optional<MinuteRow> groupDecoded(std::uint8_t groupByte, const WeatherRecord& record,
                                          const QDateTime& at);
    // The row in progress once `now` is past its minute (or at the end of the run, `force`).
    std::optional<MinuteRow> close(const QDateTime& now, bool force = false);

private:
    std::optional<MinuteRow> pending_;
};

// The moment a replayed stream stands at, from the station clock of its 0x8F groups: the stream's
// own time instead of the computer's, so that a capture of a month fills a month of minutes. The
// station sends no year: the stream starts in the year of `now`, or the year before when its first
// moment would lie after `now` (a capture of the days before today) — or in the year given — and
// counts one on when the month goes back (December to January).
class StreamClock {
public:
    explicit StreamClock(const QDateTime& now, int startYear = 0)
        : now_(now), year_(startYear > 0 ? startYear : now.date().year()), given_(startYear > 0) {}
    // The local moment of the station clock in this record; invalid until a clock group with a
    // valid date has been seen.
    QDateTime at(const WeatherRecord& record);

private:
    QDateTime now_;
    int year_;
    bool given_;
    int lastMonth_ = 0;
};
