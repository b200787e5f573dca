#include "outputs/scheduler.h"

#include <algorithm>

#include "base/app_clock.h"

Scheduler::Scheduler(StationData& data, Settings& settings, OutputActions& outputs,
                     InputControl& input, ScheduleSource nextScheduleTime)
    : data_(data),
      settings_(settings),
      outputs_(outputs),
      input_(input),
      nextScheduleTime_(std::move(nextScheduleTime)) {}

void Scheduler::toggleActive() {
    active_ = !active_;
    timersChanged();
    SecondsCounter = 59;
    if (active_) {
        ActivationTime = AppClock::currentDateTime();
        data_.FirstRoundPending = true;
        if (clientMode ? clientMode() : settings_.ClientActive) {
            input_.openClient();
        } else if (!input_.openSerial()) {
            // The port has reported why. The switch and the ticks stay on; the counters, the
            // activation run and the refresh are left out, as the user sees no change.
            return;
        }
        LogMinutesLeft = logIntervalMs_ / 60000;
        AprsMinutesLeft = settings_.APRSIntervall;
        activationRun();
    } else {
        input_.closeSerial();
        input_.closeClient();
    }
    refreshTitle();
}

void Scheduler::receptionFailed() {
    if (active_) {
        active_ = false;
        timersChanged();
    }
    refreshTitle();
}

void Scheduler::activationRun() {
    // Only with fresh serial data of every group kind: the client road never marks groups seen.
    if (!data_.allGroupsSeen() || !data_.FirstRoundPending)
        return;
    data_.FirstRoundPending = false;
    data_.takeRainReference();
    if (settings_.autoImport) {
        const int count = std::min<int>(settings_.ProfileCount, kProfileSlots);
        for (int n = 1; n <= count; ++n)
            if (settings_.profile(n).WieWinGT)
                outputs_.writeReport(n);
    }
    if (settings_.autoRead)
        outputs_.writeReport(1);
    if (settings_.autoLog)
        outputs_.writeLog();
    if (settings_.autoAPRS)
        outputs_.writeAprs();
}

void Scheduler::logtimerTimer() {
    outputs_.writeLog();
}

void Scheduler::clockJumped() {
    updateScheduleTimes();
}

void Scheduler::importNow() {
    outputs_.writeReport(2);
}
void Scheduler::readNow() {
    outputs_.writeReport(1);
}
void Scheduler::logNow() {
    outputs_.writeLog();
}
void Scheduler::aprsNow() {
    outputs_.writeAprs();
}

void Scheduler::asynopNewFile() {
    outputs_.asynopNewFile();
    showAsynopStatus();
}

void Scheduler::asynopAppendLine() {
    outputs_.asynopAppendLine();
    showAsynopStatus();
}

void Scheduler::asynopEndFile() {
    outputs_.asynopEndFile();
    showAsynopStatus();
}

void Scheduler::takeStartClock() {
    StartClock = AppClock::currentDateTime().time().toString(QStringLiteral("hhmm"));
}

void Scheduler::updateScheduleTimes() {
    NextReadTime = nextScheduleTime_(QStringLiteral("Read"));
    NextImportTime = nextScheduleTime_(QStringLiteral("Import"));
}

void Scheduler::showAsynopStatus() {
    titleBar_.setAsynopPanel(outputs_.asynopStatusText());
    if (onTitleChanged)
        onTitleChanged();
}

void Scheduler::setLogInterval(int ms) {
    logIntervalMs_ = std::max(ms, 0);
    timersChanged();
}

StatusInputs Scheduler::statusInputs() const {
    StatusInputs in;
    in.active = active_;
    in.secondsCounter = SecondsCounter;
    in.nextImportTime = NextImportTime;
    in.nextReadTime = NextReadTime;
    in.importManuell = settings_.ImportManuell;
    in.readManuell = settings_.ReadManuell;
    in.readMinute = settings_.ReadMinute;
    in.logMinutesLeft = LogMinutesLeft;
    in.logIntervalMs = logIntervalMs_;
    in.aprsMinutesLeft = AprsMinutesLeft;
    in.aprsIntervall = settings_.APRSIntervall;
    in.activationTime = ActivationTime;
    return in;
}

void Scheduler::refreshTitle() {
    titleBar_.refresh(statusInputs(), AppClock::currentDateTime());
    if (onTitleChanged)
        onTitleChanged();
}

void Scheduler::timersChanged() {
    if (onTimersChanged)
        onTimersChanged();
}
