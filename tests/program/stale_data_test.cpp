// The whole program under a fixed clock on a pseudo-terminal station: data that stop coming are
// not published. One message, no APRS file, a gap in the weather log; "JETZT" still writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "console_encoder.h"
#include "outputs/weather_log.h"
#include "program/station_program.h"
#include "station/group_table.h"
#include "station_model.h"
#include "support/pseudo_terminal.h"
#include "support/wait.h"

namespace {

const QDateTime kStart(QDate(2026, 3, 2), QTime(9, 30, 0));

int logLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return int(file.readAll().count("\r\n")) - 1;  // less the header
}

}  // namespace

TEST(StaleData, NotPublishedOneMessageAndAGapInTheLog) {
    FixedClock clock(kStart);
    ScopedClock clockScope(clock);
    RecordingNotifier notifier;
    ScopedNotifier notifierScope(notifier);
    QTemporaryDir dir;
    PseudoTerminal pty;
    ASSERT_TRUE(pty.valid());

    StationProgram program;
    program.links.overridePort(pty.slavePath());
    program.lifecycle.startUp(dir.path() + "/");
    program.settings.APRSIntervall = 1;
    program.scheduler.toggleActive();
    ASSERT_TRUE(program.input.serialLink().isOpen());

    StationModel model(21, kStart);
    auto stationSends = [&] {
        QByteArray round;
        for (std::uint8_t g : kGroupBytes)
            round += encodeGroup(g, model.record());
        const std::int64_t before = program.data.GroupArrivedMs[4];
        ASSERT_TRUE(pty.write(round));
        ASSERT_TRUE(waitUntil([&] { return program.data.GroupArrivedMs[4] != before; }));
    };
    const QString log = WeatherLogPath(program.settings, kStart.date(), Formats::german());
    const QString aprs = program.settings.APRSDatei;

    stationSends();
    program.scheduler.logtimerTimer();
    EXPECT_EQ(logLines(log), 1);

    // The station falls silent: three minutes later nothing is written, and the user hears of it
    // once.
    clock.advanceSeconds(180);
    for (int minute = 0; minute < 3; ++minute) {
        program.scheduler.minutencountTimer();
        program.scheduler.logtimerTimer();
        clock.advanceSeconds(60);
    }
    EXPECT_EQ(logLines(log), 1);
    EXPECT_FALSE(QFile::exists(aprs));
    ASSERT_EQ(notifier.texts().size(), 1) << notifier.texts().join("\n").toStdString();
    EXPECT_TRUE(notifier.texts()[0].startsWith("Keine aktuellen Daten"));
    EXPECT_EQ(program.title.bar().panels()[5], "Keine aktuellen Daten");

    // "JETZT APRS erstellen!" writes after a warning.
    program.scheduler.aprsNow();
    EXPECT_TRUE(QFile::exists(aprs));
    EXPECT_EQ(notifier.texts().size(), 2);

    // The station is back: the log goes on, six minutes after its last line.
    stationSends();
    program.scheduler.logtimerTimer();
    EXPECT_EQ(logLines(log), 2);
    EXPECT_EQ(notifier.texts().size(), 2);
}
