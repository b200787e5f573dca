// The options of the wetterpult program and their German help text.
#pragma once

#include <QString>
#include <QStringList>

struct AppOptions {
    bool help = false;
    bool version = false;
    bool headless = false;
    QString port;        // serial port for this run; empty: the one of the settings file
    QString clientHost;  // client of this server for this run when not empty
    quint16 clientPort = 0;
    QString folder;                // the program folder (--folder)
    bool activate = false;         // switch "Aktiv" on after start-up
    int statusEvery = 0;           // print the status line every so many seconds; 0: never
    bool showGroups = false;       // print a line per decoded group
    QString replay;                // a capture fed through the serial road after start-up
    QStringList runs;              // run-now commands, in order
    bool quit = false;             // end after the one-shot steps
    bool clockFromStream = false;  // the archive's minutes from the replayed stream's station clock
    int streamYear = 0;            // the year the replayed stream starts in; 0: guessed
    QStringList importLogs;        // weather-log files or folders to import into the archive
    bool exportCsv = false;        // write the archive's range [exportFrom, exportTo] as CSV
    QString exportFrom;
    QString exportTo;
    bool exportDays = false;  // the export's daily summaries instead of its minutes
};

// The run-now commands --run accepts, in the order of the menu.
const QStringList& runActions();

// Parses the arguments (program name first). On failure returns false with a German reason.
bool parseAppOptions(const QStringList& arguments, AppOptions* options, QString* error);

extern const char* const kAppHelp;
