// Fakes around the scheduler: outputs and station input that count every call, a schedule source
// that picks the next time of a list as the settings file's schedule lists do, a rig that holds a
// scheduler on a fixed clock, and a driver that runs the rig's clock through simulated time.
#pragma once

#include <QStringList>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "base/app_clock.h"
#include "config/settings.h"
#include "outputs/input_control.h"
#include "outputs/output_actions.h"
#include "outputs/scheduler.h"
#include "outputs/scheduler_clock.h"
#include "outputs/tick_plan.h"
#include "program/program_title.h"
#include "station/weather_record.h"

// A moment of the simulated station's clock: summer time in Germany, two hours ahead of UTC. A
// fixed offset also spares the simulation the system's time-zone lookups, one per second.
inline QDateTime stationTime(const QDate& day, const QTime& time) {
    return QDateTime(day, time, Qt::OffsetFromUTC, 2 * 3600);
}

// Every call in order, shared by the fakes of one test.
using EventLog = std::vector<std::string>;

class FakeOutputs : public OutputActions {
public:
    explicit FakeOutputs(EventLog* events = nullptr) : events_(events) {}

    void writeReport(int mode) override {
        ++reports[mode];
        reportTimes[mode].push_back(AppClock::currentDateTime());
        note("report " + std::to_string(mode));
    }
    void writeLog() override {
        ++logs;
        note("log");
    }
    void writeAprs() override {
        ++aprs;
        note("aprs");
    }
    void asynopNewFile() override {
        ++asynopNew;
        note("asynop new");
    }
    void asynopAppendLine() override {
        ++asynopAppend;
        note("asynop append");
    }
    void asynopEndFile() override {
        ++asynopEnd;
        note("asynop end");
    }
    bool asynopHourlyCheck(bool withLine) override {
        hourlyChecks.push_back(AppClock::currentDateTime());
        note(withLine ? "asynop hourly" : "asynop hourly without line");
        return reportHour;
    }
    QString asynopStatusText() override {
        ++statusTexts;
        note("asynop status");
        return status;
    }

    int report(int mode) const {
        auto it = reports.find(mode);
        return it == reports.end() ? 0 : it->second;
    }
    int totalWrites() const {
        int n = logs + aprs;
        for (const auto& [mode, count] : reports)
            n += count;
        return n;
    }

    std::map<int, int> reports;
    std::map<int, std::vector<QDateTime>> reportTimes;
    int logs = 0;
    int aprs = 0;
    int asynopNew = 0;
    int asynopAppend = 0;
    int asynopEnd = 0;
    std::vector<QDateTime> hourlyChecks;
    bool reportHour = false;  // what asynopHourlyCheck answers
    int statusTexts = 0;
    QString status = QStringLiteral("ASYNOP: X");

private:
    void note(const std::string& e) {
        if (events_)
            events_->push_back(e);
    }
    EventLog* events_;
};

class FakeInput : public InputControl {
public:
    explicit FakeInput(EventLog* events = nullptr) : events_(events) {}

    bool openSerial() override {
        note("open serial");
        serialOpen = serialOpens;
        return serialOpen;
    }
    void closeSerial() override {
        note("close serial");
        serialOpen = false;
    }
    void openClient() override {
        note("open client");
        connected = connectsOnOpen;
    }
    void closeClient() override {
        note("close client");
        connected = false;
    }
    bool clientConnected() const override { return connected; }
    void sendGroupRequests(std::uint8_t counter) override { requestCounters.push_back(counter); }
    void sendDisconnect() override {
        if (connected)
            note("disconnect");
    }
    QDateTime stationLostSince() const override { return lostSince; }

    bool serialOpens = true;  // what openSerial will answer
    bool connectsOnOpen = true;
    bool serialOpen = false;
    bool connected = false;
    QDateTime lostSince;
    std::vector<std::uint8_t> requestCounters;

private:
    void note(const std::string& e) {
        if (events_)
            events_->push_back(e);
    }
    EventLog* events_;
};

// The next due time of a list, as the schedule lists give it: the first time later than now, else
// the first of the list; an empty list counts as "00:00".
class FakeSchedule {
public:
    explicit FakeSchedule(EventLog* events = nullptr) : events_(events) {}

    QString next(const QString& name) {
        ++calls;
        if (events_)
            events_->push_back("next " + name.toStdString());
        QStringList list = name == QLatin1String("Read") ? read : import;
        if (list.isEmpty())
            list << QStringLiteral("00:00");
        const QTime now = AppClock::currentDateTime().time();
        for (const QString& entry : list)
            if (QTime::fromString(entry.right(5), QStringLiteral("hh:mm")) > now)
                return entry.right(5);
        return list.first().right(5);
    }
    Scheduler::ScheduleSource source() {
        return [this](const QString& name) { return next(name); };
    }

    QStringList read;
    QStringList import;
    int calls = 0;

private:
    EventLog* events_;
};

// A scheduler on a fixed clock with fakes around it, and the caption and panels built from it.
struct SchedulerRig {
    explicit SchedulerRig(const QDateTime& start)
        : clock(start),
          scope(clock),
          outputs(&events),
          input(&events),
          schedule(&events),
          scheduler(data, settings, outputs, input, schedule.source()),
          title(scheduler, settings) {
        settings.setProgramFolder(QStringLiteral("/tmp/wetterpult-test/"));
        scheduler.dataFresh = [this] { return stationSends; };
    }

    void seeAllGroups() { data.GroupSeen.fill(true); }
    // Whether the data count as fresh: a station that keeps sending, unless a test says not.
    bool stationSends = true;

    EventLog events;
    FixedClock clock;
    ScopedClock scope;
    StationData data;
    Settings settings;
    FakeOutputs outputs;
    FakeInput input;
    FakeSchedule schedule;
    Scheduler scheduler;
    ProgramTitle title;
};

// Runs the rig's clock through simulated time as the scheduler clock would: it wakes a few
// milliseconds (plus a random delay of up to maxDelayMs) after each second boundary and runs the
// due ticks while the scheduler is active; the log timer runs every log interval from the start.
class SimulatedTime {
public:
    SimulatedTime(FixedClock& clock, Scheduler& scheduler, unsigned seed = 1)
        : clock_(clock), scheduler_(scheduler), random_(seed) {
        const QDateTime now = clock_.now();
        lastSecond_ = wallSecond(now);
        wasActive_ = scheduler_.isActive();
        nextWake_ = now.addMSecs(msUntilNextSecond(now));
        nextLog_ = now.addMSecs(scheduler_.logInterval());
    }
    explicit SimulatedTime(SchedulerRig& rig, unsigned seed = 1)
        : SimulatedTime(rig.clock, rig.scheduler, seed) {}

    // Runs every wake-up for the second boundaries up to now + seconds; onWake runs at each
    // wake-up before the ticks.
    template <typename F>
    void run(qint64 seconds, F onWake) {
        const QDateTime end = clock_.now().addSecs(seconds);
        for (;;) {
            // A wake-up belongs to the boundary kTickMarginMs (plus the delay) before it.
            const QDateTime boundary = nextWake_.addMSecs(-kTickMarginMs - wakeDelay_);
            const bool logDue = scheduler_.logInterval() > 0 && nextLog_ <= end;
            if (boundary > end && !logDue)
                break;
            if (logDue && (boundary > end || nextLog_ <= nextWake_)) {
                clock_.set(nextLog_);
                scheduler_.logtimerTimer();
                nextLog_ = nextLog_.addMSecs(scheduler_.logInterval());
                continue;
            }
            clock_.set(nextWake_);
            wake(onWake);
            const QDateTime now = clock_.now();
            wakeDelay_ = std::uniform_int_distribution<int>(0, maxDelayMs)(random_);
            nextWake_ = now.addMSecs(msUntilNextSecond(now) + wakeDelay_);
        }
        if (clock_.now() < end)
            clock_.set(end);
    }
    void run(qint64 seconds) {
        run(seconds, [] {});
    }

    // The clock jumps to t (suspend and resume, a time sync); the tick timer wakes at once.
    void jumpTo(const QDateTime& t) {
        clock_.set(t);
        nextWake_ = t;
        wakeDelay_ = -kTickMarginMs;
    }

    int maxDelayMs = 300;
    int secondTicks = 0;
    int minuteTicks = 0;
    int jumps = 0;

private:
    template <typename F>
    void wake(F& onWake) {
        onWake();
        // Like the scheduler clock: the second in which the switch went on counts as seen.
        const bool active = scheduler_.isActive();
        const bool switchedOn = active && !wasActive_;
        wasActive_ = active;
        if (switchedOn)
            lastSecond_ = wallSecond(clock_.now());
        if (!active || switchedOn)
            return;
        const DueTicks due = runDueTicks(scheduler_, lastSecond_, clock_.now());
        secondTicks += due.second;
        minuteTicks += due.minute;
        jumps += due.jumped;
    }

    FixedClock& clock_;
    Scheduler& scheduler_;
    std::mt19937 random_;
    qint64 lastSecond_ = 0;
    bool wasActive_ = false;
    QDateTime nextWake_;
    int wakeDelay_ = 0;
    QDateTime nextLog_;
};
