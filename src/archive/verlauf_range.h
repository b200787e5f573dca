// The range the "Verlauf" window shows: the last 24 hours, 7 days, 30 days, a year, or a range of
// the user's choosing, moved back and forward by its own length. A range that ends now follows the
// new minutes as they come.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

enum class RangeKind { Day, Week, Month, Year, Custom };

struct VerlaufRange {
    RangeKind kind = RangeKind::Day;
    std::int64_t from = 0;  // UTC seconds, inclusive
    std::int64_t to = 0;    // UTC seconds, exclusive

    // The range of this kind that ends at `now` (the minute after now's, so it is included).
    static VerlaufRange endingAt(RangeKind kind, const QDateTime& now);
    // Local days `first` to `last`, both whole.
    static VerlaufRange days(const QDate& first, const QDate& last);
    // Why local days `first` to `last` are no range (the end lies before the start), in the
    // words of the message; nothing when they are one.
    static std::optional<QString> daysProblem(const QDate& first, const QDate& last);

    std::int64_t length() const { return to - from; }
    // The range moved by its own length, back (-1) or forward (+1); forward no further than to
    // the range of its length that ends at `now`.
    VerlaufRange shifted(int direction, const QDateTime& now) const;
    // Ends at the minute after now's: nothing lies beyond it yet.
    bool endsAtNow(const QDateTime& now) const;
    // Ends at the minute after now's (or later): new minutes belong into it.
    bool followsNow(const QDateTime& now) const;
    // Rain bars: per hour up to seven days, per day beyond.
    int rainBucketSeconds() const { return length() <= 7 * 86400 ? 3600 : 86400; }
    // The file name an export of the range suggests, after its local days: "wetter-2026-11.csv"
    // for days of one month, "wetter-2026-11-05.csv" for one day, else from the first to the
    // last day ("wetter-2026-11-10_2026-12-09.csv").
    QString fileName(const QString& suffix) const;
};
