#include "program/program_lifecycle.h"

ProgramLifecycle::ProgramLifecycle(Settings& settings, StationData& data, Scheduler& scheduler,
                                   InputControl& input, LoadSettings load, SaveSettings save)
    : settings_(settings),
      data_(data),
      scheduler_(scheduler),
      input_(input),
      load_(std::move(load)),
      save_(std::move(save)) {}

void ProgramLifecycle::startUp(const QString& programFolder) {
    settings_.setProgramFolder(programFolder);
    scheduler_.takeStartClock();
    data_.FirstRoundPending = true;
    data_.GroupSeen.fill(false);
    scheduler_.updateScheduleTimes();
    scheduler_.showAsynopStatus();
    if (load_)
        load_();
}

bool ProgramLifecycle::shutDown() {
    if (save_ && !save_())
        return false;
    input_.closeSerial();
    input_.sendDisconnect();
    if (lastStep_)
        lastStep_();
    return true;
}
