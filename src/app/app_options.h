// The options of the wetterpult program and their German help text.
#pragma once

#include <QString>
#include <QStringList>

struct AppOptions {
    bool help = false;
    bool headless = false;
    QString port;        // serial port name as the settings keep it; empty: the default
    QString clientHost;  // client mode when not empty
    quint16 clientPort = 0;
    QString folder;  // the program folder (--folder)
};

// Parses the arguments (program name first). On failure returns false with a German reason.
bool parseAppOptions(const QStringList& arguments, AppOptions* options, QString* error);

extern const char* const kAppHelp;
