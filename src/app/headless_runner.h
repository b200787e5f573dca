// The program without windows: opens the station input named by the options and prints one
// readable line per decoded group until Ctrl-C or SIGTERM ends it in order.
#pragma once

#include "app_options.h"

// Runs the event loop (a QCoreApplication must exist); returns the exit code.
int runHeadless(const AppOptions& options);
