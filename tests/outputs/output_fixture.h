// Shared ground for the output writer tests: a fixed station record (a mild December evening and a
// frosty variant), settings in a temporary program folder, a fixed clock and a recording notifier.
#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "config/settings.h"
#include "outputs/asynop_state.h"
#include "outputs/output_context.h"
#include "station/weather_record.h"

// 07.12.2026, station clock 21:28:40, 5.3 °C outside, 81 %, 1013.2 mb, wind 225° at 3.4 m/s, 3 mm
// of rain this morning. Every group arrived just before the fixture's clock.
StationData MildEvening();
// No valid station clock, -20.6 °C, 100 %, 998.5 mb, 2 mm/h of melted snow, gusts of 30.0 m/s,
// 5 mm of rain today, 2 of them in the last hour.
StationData FrostyNight();

// Bytes of a file; "<missing>" when it cannot be read.
QByteArray ReadBytes(const QString& path);
// Whether the bytes equal the expected file tests/data/outputs/NAME (support/golden.h: the first
// differing line on failure; rewritten with WETTERPULT_UPDATE_GOLDEN).
testing::AssertionResult MatchesExpected(const QByteArray& actual, const QString& name);
// Writes a regular file, so that a path below it cannot be a folder (tests run as root, which
// ignores permissions).
void MakeBlocker(const QString& path);

class OutputTest : public ::testing::Test {
protected:
    OutputTest();

    OutputContext context() { return OutputContext{station, settings, asynop}; }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    FixedClock clock{QDateTime(QDate(2026, 12, 7), QTime(21, 30, 5))};
    ScopedClock scopedClock{clock};
    RecordingNotifier notifier;
    ScopedNotifier scopedNotifier{notifier};
    StationData station = MildEvening();
    Settings settings;
    AsynopState asynop;
};
