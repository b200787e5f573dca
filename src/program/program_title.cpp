#include "program/program_title.h"

#include "base/app_clock.h"

ProgramTitle::ProgramTitle(Scheduler& scheduler, const Settings& settings)
    : scheduler_(scheduler), settings_(settings) {
    scheduler.onStateChanged = [this] {
        bar_.refresh(inputs(), AppClock::currentDateTime());
        changed();
    };
    scheduler.onAsynopStatusChanged = [this] {
        bar_.setAsynopPanel(scheduler_.asynopStatus());
        changed();
    };
}

StatusInputs ProgramTitle::inputs() const {
    const Scheduler& s = scheduler_;
    StatusInputs in;
    in.active = s.isActive();
    in.stationLostSince = s.stationLostSince();
    in.dataStale = s.dataStale();
    in.secondsCounter = s.secondsCounter();
    in.nextImportTime = s.nextImportTime();
    in.nextReadTime = s.nextReadTime();
    in.importManuell = settings_.ImportManuell;
    in.readManuell = settings_.ReadManuell;
    in.readMinute = settings_.ReadMinute;
    in.logMinutesLeft = s.logMinutesLeft();
    in.logIntervalMs = s.logInterval();
    in.aprsMinutesLeft = s.aprsMinutesLeft();
    in.aprsIntervall = settings_.APRSIntervall;
    in.activationTime = s.activationTime();
    return in;
}

void ProgramTitle::changed() {
    if (onChanged)
        onChanged();
}
