// What the main window's "&Datei" commands do beyond the window: the program's coordinator
// implements this with the scheduler and the writers, the window only calls it.
#pragma once

#include <QString>

class MainWindowActions {
public:
    virtual ~MainWindowActions() = default;

    // "Aktiv" (F2 and the tool button): switches the active state and returns the new one. A port
    // that cannot be opened is reported by the implementation; the switch stays where it went.
    virtual bool toggleActive() = 0;
    // "JETZT ... erstellen!": the run-now command of that name ("read", "import", ... as --run
    // takes them).
    virtual void runNow(const QString& command) = 0;
    virtual void printNow() = 0;  // "&Drucken"
    // The main window is about to close ("&Beenden" or its close box): settings are saved and the
    // links closed here. False keeps the window open (the settings could not be written).
    virtual bool mayClose() = 0;
};
