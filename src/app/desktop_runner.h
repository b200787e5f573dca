// The program with its windows: a QApplication with the general error handler, German texts in
// Qt's own dialogs, the message-box notifier and the main window.
#pragma once

#include "app_options.h"

// True when a window can be shown (a display, or a Qt platform chosen by the environment).
bool desktopAvailable();
// Runs the program with its windows; the application object must not exist yet.
int runDesktop(int& argc, char** argv);
