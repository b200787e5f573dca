#include "outputs/scheduler.h"

#include <algorithm>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "station/data_age.h"

Scheduler::Scheduler(StationData& data, const Settings& settings, OutputActions& outputs,
                     InputControl& input, ScheduleSource nextScheduleTime)
    : data_(data),
      settings_(settings),
      outputs_(outputs),
      input_(input),
      nextScheduleTime_(std::move(nextScheduleTime)) {
    dataFresh = [this] { return allGroupsFresh(data_, AppClock::currentMSecsSinceEpoch()); };
}

void Scheduler::toggleActive() {
    active_ = !active_;
    timersChanged();
    secondsCounter_ = 59;
    if (active_) {
        activationTime_ = AppClock::currentDateTime();
        data_.FirstRoundPending = true;
        // A port that does not open, or a server that does not answer, has been reported and is
        // tried again; the switch and everything it starts stay on.
        if (clientMode ? clientMode() : settings_.ClientActive)
            input_.openClient();
        else
            input_.openSerial();
        logMinutesLeft_ = logIntervalMs_ / 60000;
        aprsMinutesLeft_ = settings_.APRSIntervall;
        activationRun();
    } else {
        input_.closeSerial();
        input_.closeClient();
    }
    stateChanged();
}

void Scheduler::activationRun() {
    // Only with fresh serial data of every group kind: the client road never marks groups seen.
    if (!data_.allGroupsSeen() || !data_.FirstRoundPending || !mayPublish())
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
    // A line of data that are not fresh is left out: the gap in the log is the truth.
    if (mayPublish())
        outputs_.writeLog();
}

void Scheduler::clockJumped() {
    updateScheduleTimes();
}

void Scheduler::importNow() {
    warnIfStale();
    outputs_.writeReport(2);
}
void Scheduler::readNow() {
    warnIfStale();
    outputs_.writeReport(1);
}
void Scheduler::logNow() {
    warnIfStale();
    outputs_.writeLog();
}
void Scheduler::aprsNow() {
    warnIfStale();
    outputs_.writeAprs();
}

void Scheduler::asynopNewFile() {
    outputs_.asynopNewFile();
    showAsynopStatus();
}

void Scheduler::asynopAppendLine() {
    warnIfStale();
    outputs_.asynopAppendLine();
    showAsynopStatus();
}

void Scheduler::asynopEndFile() {
    outputs_.asynopEndFile();
    showAsynopStatus();
}

void Scheduler::takeStartClock() {
    startClock_ = AppClock::currentDateTime().time().toString(QStringLiteral("hhmm"));
}

void Scheduler::updateScheduleTimes() {
    nextReadTime_ = nextScheduleTime_(QStringLiteral("Read"));
    nextImportTime_ = nextScheduleTime_(QStringLiteral("Import"));
}

void Scheduler::showAsynopStatus() {
    asynopStatus_ = outputs_.asynopStatusText();
    if (onAsynopStatusChanged)
        onAsynopStatusChanged();
}

void Scheduler::setLogInterval(int ms) {
    logIntervalMs_ = std::max(ms, 0);
    timersChanged();
}

bool Scheduler::checkFresh() {
    const bool fresh = !dataFresh || dataFresh();
    if (fresh)
        staleMessageDue_ = true;
    return fresh;
}

bool Scheduler::mayPublish() {
    if (checkFresh())
        return true;
    // Switched off, the program expects no data: nothing to tell.
    if (staleMessageDue_ && active_) {
        staleMessageDue_ = false;
        notify(QStringLiteral("Wetterpult"),
               QStringLiteral("Keine aktuellen Daten: die Station hat seit über zwei Minuten nicht "
                              "alle Werte gesendet. Die Dateien werden erst wieder geschrieben, "
                              "wenn sie wieder sendet."));
    }
    return false;
}

void Scheduler::warnIfStale() {
    if (!dataFresh || dataFresh())
        return;
    notify(QStringLiteral("Wetterpult"),
           QStringLiteral("Die Daten der Station sind nicht aktuell: nicht alle Werte sind in den "
                          "letzten zwei Minuten angekommen. Die Datei wird trotzdem geschrieben."));
}

void Scheduler::stateChanged() {
    if (onStateChanged)
        onStateChanged();
}

void Scheduler::timersChanged() {
    if (onTimersChanged)
        onTimersChanged();
}
