// Seven simulated days through the tick handlers with changing station data: every wall-clock
// minute ticked once, every output as often as its schedule says, memory flat.
#include <gtest/gtest.h>

#include <QFile>
#include <iostream>

#include "outputs/scheduler_fakes.h"

namespace {

// Counts without keeping anything, and checks that the minute checks come once per minute.
class CountingOutputs : public OutputActions {
public:
    void writeReport(int mode) override { ++reports[std::size_t(mode)]; }
    void writeLog() override { ++logs; }
    void writeAprs() override { ++aprs; }
    void asynopNewFile() override {}
    void asynopAppendLine() override {}
    void asynopEndFile() override {}
    void asynopHourlyCheck() override {
        const qint64 minute = wallMinute(AppClock::currentDateTime());
        if (lastMinute >= 0 && minute != lastMinute + 1)
            ++minuteGaps;
        lastMinute = minute;
        ++hourlyChecks;
    }
    QString asynopStatusText() override { return QStringLiteral("ASYNOP: XX"); }

    std::array<int, 8> reports{};
    int logs = 0;
    int aprs = 0;
    int hourlyChecks = 0;
    int minuteGaps = 0;
    qint64 lastMinute = -1;
};

// Resident memory of this process in kB.
long residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

}  // namespace

TEST(SchedulerSoak, SevenDays) {
    constexpr int kDays = 7;
    CountingOutputs outputs;
    SchedulerRig rig(stationTime(QDate(2025, 6, 16), QTime(9, 59, 30)));
    Scheduler scheduler(rig.data, rig.settings, outputs, rig.input, rig.schedule.source());
    Settings& s = rig.settings;
    s.ReadManuell = false;
    s.ImportManuell = false;
    s.APRSIntervall = 10;
    s.ProfileCount = 3;
    s.profile(2).WieWinGT = false;
    s.profile(2).Uhrzeit = QStringLiteral("16:57");
    s.profile(3).WieWinGT = false;
    s.profile(3).Uhrzeit = QStringLiteral("00:00");
    rig.schedule.read = {"06:00", "12:00", "18:00"};
    rig.schedule.import = {"07:30"};
    scheduler.setLogInterval(300000);
    scheduler.takeStartClock();
    scheduler.updateScheduleTimes();
    rig.data.GroupSeen.fill(true);
    scheduler.toggleActive();

    // The simulated station: a gust every second (up to 40 m/s), rain now and then, and the
    // console's rain total reset once.
    SimulatedTime sim(rig.clock, scheduler, 7);
    StationData& data = rig.data;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> gust(0, 400);
    std::uint16_t shadowMax = 0;
    int ringMismatches = 0;
    int seenMinuteTicks = 0;
    int wakes = 0;
    std::uint16_t highestRain24h = 0;

    auto onWake = [&] {
        ++wakes;
        if (sim.minuteTicks != seenMinuteTicks) {
            seenMinuteTicks = sim.minuteTicks;
            ringMismatches += data.WindMaxRing.back() != shadowMax;
            shadowMax = 0;
        }
        // A wind group: the decoder keeps the highest gust of the minute.
        data.Record.Wind.GustSpeed = std::uint16_t(gust(random));
        if (data.Record.Wind.GustSpeed > data.Record.MinuteWindMax)
            data.Record.MinuteWindMax = data.Record.Wind.GustSpeed;
        shadowMax = std::max(shadowMax, data.Record.Wind.GustSpeed);
        if (wakes % 1800 == 0)
            ++data.Record.Rain.Total;
        if (wakes == 3 * 86400)
            data.Record.Rain.Total = 0;
        highestRain24h = std::max(highestRain24h, data.Rain24h);
    };

    sim.run(86400, onWake);
    const long rssAfterDayOne = residentKb();
    sim.run((kDays - 1) * 86400, onWake);
    const long rssAfterSevenDays = residentKb();

    EXPECT_EQ(sim.jumps, 0);
    EXPECT_EQ(sim.minuteTicks, kDays * 1440);
    EXPECT_EQ(outputs.hourlyChecks, kDays * 1440);
    EXPECT_EQ(outputs.minuteGaps, 0);
    EXPECT_EQ(ringMismatches, 0);
    // First round: Read page (profile 1 and autoRead), log, APRS.
    EXPECT_EQ(outputs.reports[1], 2 + 3 * kDays);
    EXPECT_EQ(outputs.reports[2], 2 * kDays);  // 07:30 Import and its own 16:57
    EXPECT_EQ(outputs.reports[3], kDays);      // 00:00
    EXPECT_EQ(outputs.aprs, 1 + 144 * kDays);
    EXPECT_EQ(outputs.logs, 1 + 288 * kDays);
    EXPECT_LT(highestRain24h, 100);  // never the 65000 mm of a negative 16-bit difference
    EXPECT_LT(rssAfterSevenDays - rssAfterDayOne, 512);
    std::cout << "[ soak     ] " << wakes
              << " wake-ups, resident memory after day 1: " << rssAfterDayOne << " kB, after day "
              << kDays << ": " << rssAfterSevenDays << " kB\n";
}
