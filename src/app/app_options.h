// The options of the wetterpult program and their German help text.
#pragma once

#include <QString>
#include <QStringList>

struct AppOptions {
    bool help = false;
    bool headless = false;
    // --port and --client override the settings file for one run; they are not saved.
    QString port;        // serial port name as the settings keep it; empty: the file's Comport
    QString clientHost;  // client mode when not empty
    quint16 clientPort = 0;
    QString folder;          // the program folder (--folder)
    QString replay;          // a capture of station bytes fed through the serial road at start
    QStringList runActions;  // run-now commands, in order (names of outputs/run_now.h)
    bool quit = false;       // end after the run-now commands, with the shut-down steps
};

// Parses the arguments (program name first). On failure returns false with a German reason.
bool parseAppOptions(const QStringList& arguments, AppOptions* options, QString* error);

extern const char* const kAppHelp;
