// The program without windows: loads the settings of the program folder, replays a capture and runs
// the run-now commands when asked, then opens the station input named by the options and prints one
// readable line per decoded group until Ctrl-C or SIGTERM ends it in order (or ends at once after
// the commands with --quit).
#pragma once

#include "app_options.h"

// Runs the event loop (a QCoreApplication must exist); returns the exit code.
int runHeadless(const AppOptions& options);
