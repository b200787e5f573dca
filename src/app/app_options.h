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
    QString report;           // --bericht: the climate report of a month ("2026-11") or a year
    QStringList mark;         // --ungueltig / --gueltig: quantity, from, to
    bool unmark = false;      // the span of `mark` is to count again (--gueltig)
    bool backup = false;      // --sicherung: a backup of the archive now

    // One of the archive's one-shot commands is asked for.
    bool archiveCommand() const {
        return !importLogs.isEmpty() || exportCsv || !report.isEmpty() || !mark.isEmpty() || backup;
    }
};

// The run-now commands --run accepts, in the order of the menu.
const QStringList& runActions();

// Parses the arguments (program name first). On failure returns false with a German reason.
bool parseAppOptions(const QStringList& arguments, AppOptions* options, QString* error);

extern const char* const kAppHelp;
