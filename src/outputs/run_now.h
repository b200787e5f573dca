// The run-now commands of the "Datei" menu ("JETZT ... erstellen!") as one table: the name the
// command line takes after --run and the scheduler's command. The headless and the desktop program
// check and carry out --run through it.
#pragma once

#include <QString>
#include <QStringList>

#include "outputs/scheduler.h"

struct RunNowCommand {
    const char* name;  // after --run
    void (Scheduler::*run)();
};

// In the order --help lists them.
inline constexpr RunNowCommand kRunNowCommands[] = {
    {"read", &Scheduler::readNow},                  // "JETZT Read erstellen!"
    {"import", &Scheduler::importNow},              // "JETZT Import erstellen!"
    {"log", &Scheduler::logNow},                    // "JETZT Log updaten!"
    {"aprs", &Scheduler::aprsNow},                  // "JETZT APRS erstellen!"
    {"asynop-new", &Scheduler::asynopNewFile},      // "JETZT ASYNOP erstellen!" / "Neue Datei"
    {"asynop-line", &Scheduler::asynopAppendLine},  // ... / "Zeile anhängen"
    {"asynop-end", &Scheduler::asynopEndFile},      // ... / "Dateieende"
};

// The command of a command-line name; nullptr for an unknown name.
const RunNowCommand* runNowCommand(const QString& name);
// Every name, in the order above.
QStringList runNowCommandNames();
