// The program without windows: start-up, the "Aktiv" switch with its schedule, the one-shot
// steps of the command line, and shut-down on Ctrl-C or SIGTERM.
#pragma once

#include "app_options.h"

// Runs the program (a QCoreApplication must exist); returns the exit code.
int runHeadless(const AppOptions& options);
