// The caption and the status panels as the program shows them, built from the scheduler's state
// at each of its ticks and switches; the window and the headless status line read them here.
#pragma once

#include <functional>

#include "config/settings.h"
#include "display/title_bar.h"
#include "outputs/scheduler.h"

class ProgramTitle {
public:
    // Follows `scheduler` from now on (it takes the scheduler's two state callbacks).
    ProgramTitle(Scheduler& scheduler, const Settings& settings);

    const TitleBar& bar() const { return bar_; }

    // After each change of the caption or the panels (the window repaints them).
    std::function<void()> onChanged;

private:
    // The scheduler's state and the settings it counts with, as the status bar takes them.
    StatusInputs inputs() const;
    void changed();

    const Scheduler& scheduler_;
    const Settings& settings_;
    TitleBar bar_;
};
