// The year a replayed capture begins in: a capture of a whole year lies in the past, not in the
// coming year.
#include "archive/capture_year.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "console_encoder.h"

namespace {

// A capture of one clock group a day at 10:00, from `first` for `days` days.
QString writeDailyClock(const QTemporaryDir& dir, const QDate& first, int days) {
    const QString path = dir.filePath(QStringLiteral("capture-%1.bin").arg(days));
    QFile capture(path);
    EXPECT_TRUE(capture.open(QIODevice::WriteOnly));
    WeatherRecord record;
    for (int d = 0; d < days; ++d) {
        const QDate date = first.addDays(d);
        record.Clock.Time = {0, 0, 10, std::uint8_t(date.day()), std::uint8_t(date.month())};
        capture.write(encodeGroup(0x8F, record));
    }
    return path;
}

}  // namespace

TEST(CaptureYear, AWholeYearEndingTodayBeginsAYearAgo) {
    QTemporaryDir dir;
    const QDateTime now(QDate(2026, 12, 9), QTime(12, 0));
    // Today's date a year ago up to yesterday: begun this year it would end next December.
    EXPECT_EQ(captureStartYear(writeDailyClock(dir, QDate(2025, 12, 9), 365), now), 2025);
    // A capture of a few days before today stays in this year.
    EXPECT_EQ(captureStartYear(writeDailyClock(dir, QDate(2026, 12, 5), 3), now), 2026);
    // A device or a missing file is not read ahead.
    EXPECT_EQ(captureStartYear(dir.filePath("fehlt.bin"), now), 0);
}
