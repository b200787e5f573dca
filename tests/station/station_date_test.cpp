// The year of the station's dates: the clock nearest the computer's date across New Year both
// ways, stamps of the past never after the clock, and bytes that form no date.
#include "station/station_date.h"

#include <gtest/gtest.h>

#include "outputs/station_date_time.h"
#include "outputs/weather_log.h"
#include "support/qt_printers.h"

namespace {
StationTime at(int day, int month, int hour, int minute, int second = 0) {
    return {std::uint8_t(second), std::uint8_t(minute), std::uint8_t(hour), std::uint8_t(day),
            std::uint8_t(month)};
}
}  // namespace

TEST(StationDate, TheClockAcrossNewYearBothWays) {
    // The station a little behind the computer, and a little ahead.
    const QDateTime newYear(QDate(2027, 1, 1), QTime(0, 0, 10));
    EXPECT_EQ(StationClockMoment(at(31, 12, 23, 59, 50), newYear),
              QDateTime(QDate(2026, 12, 31), QTime(23, 59, 50)));
    const QDateTime oldYear(QDate(2026, 12, 31), QTime(23, 59, 50));
    EXPECT_EQ(StationClockMoment(at(1, 1, 0, 0, 10), oldYear),
              QDateTime(QDate(2027, 1, 1), QTime(0, 0, 10)));

    // The log line written at that moment carries the year of the station's date.
    StationData station;
    station.Record.Clock.Time = at(31, 12, 23, 59, 50);
    EXPECT_TRUE(WeatherLogLine(station, newYear, Formats::german()).startsWith("31.12.2026"));

    // No clock yet, or bytes that form no date or time: no date, and the files take the computer's.
    EXPECT_FALSE(StationClockMoment(at(0, 0, 0, 0), newYear));
    EXPECT_FALSE(StationClockMoment(at(1, 1, 110, 151, 97), newYear));
    EXPECT_FALSE(StationClockMoment(at(1, 1, 24, 0), newYear));
    EXPECT_EQ(StationDateTime(at(31, 11, 12, 0), newYear), newYear);
}

TEST(StationDate, StampsLieInThePastOfTheClock) {
    const QDateTime now(QDate(2027, 1, 1), QTime(0, 5));
    const StationTime clock = at(31, 12, 23, 58);  // the station still in the old year
    // A stamp of the clock's own day, of the next day (the slack) and of two days later.
    EXPECT_EQ(StationStampMoment(at(31, 12, 23, 40), clock, now),
              QDateTime(QDate(2026, 12, 31), QTime(23, 40)));
    EXPECT_EQ(StationStampMoment(at(1, 1, 0, 2), clock, now),
              QDateTime(QDate(2027, 1, 1), QTime(0, 2)));
    EXPECT_EQ(StationStampMoment(at(2, 1, 8, 0), clock, now)->date(), QDate(2026, 1, 2));
    // Without a clock the computer's date stands for it; 29 February goes back to a leap year.
    EXPECT_EQ(StationStampMoment(at(29, 2, 6, 0), StationTime{}, now)->date(), QDate(2024, 2, 29));
    EXPECT_FALSE(StationStampMoment(at(14, 6, 25, 0), clock, now));
    EXPECT_EQ(StationStampDateTime(at(0, 6, 12, 0), clock, now), now);
}
