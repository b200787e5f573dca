// The order of start-up and shut-down: what must be in place before the settings are loaded and
// the program may go active, and what happens, in which order, when it closes.
#pragma once

#include <QString>
#include <functional>

#include "config/settings.h"
#include "outputs/input_control.h"
#include "outputs/scheduler.h"
#include "station/weather_record.h"

class ProgramLifecycle {
public:
    // Loads every setting into memory (the log interval into the scheduler); when the program was
    // active at its last close (ActiveAtStartup), its last step carries out the "Aktiv" command.
    using LoadSettings = std::function<void()>;
    // Writes the settings file, ActiveAtStartup and ClientActive from the state at this moment;
    // false when it could not be written (the message has been shown).
    using SaveSettings = std::function<bool()>;

    ProgramLifecycle(Settings& settings, StationData& data, Scheduler& scheduler,
                     InputControl& input, LoadSettings load, SaveSettings save);

    // The start-up steps, in order. The serial road's scanner knows the group bytes from the
    // start; the port and the client connection stay closed until the settings ask for
    // "Aktiv". A port that cannot be opened is reported and the start goes on.
    void startUp(const QString& programFolder);

    // A step after the others at shut-down (the archive's last rows).
    void setLastStep(std::function<void()> step) { lastStep_ = std::move(step); }

    // The shut-down steps: save the settings, close the serial port, send "-Disconnect", the last
    // step. When the settings cannot be saved nothing else is done and false is returned: the
    // program keeps running and may be closed again. True means the program may end now.
    bool shutDown();

private:
    Settings& settings_;
    StationData& data_;
    Scheduler& scheduler_;
    InputControl& input_;
    LoadSettings load_;
    SaveSettings save_;
    std::function<void()> lastStep_;
};
