// What the main window's "&Datei" commands do beyond the window: the program's coordinator
// implements this with the scheduler and the writers, the window only calls it.
#pragma once

class MainWindowActions {
public:
    virtual ~MainWindowActions() = default;

    // "Aktiv" (F2 and the tool button): switches the active state and returns the new one. A port
    // that cannot be opened is reported by the implementation; the switch stays where it went.
    virtual bool toggleActive() = 0;
    virtual void writeImportNow() = 0;    // "JETZT Import erstellen!": the page of profile 2
    virtual void writeReadNow() = 0;      // "JETZT Read erstellen!"
    virtual void updateLogNow() = 0;      // "JETZT Log updaten!"
    virtual void writeAprsNow() = 0;      // "JETZT APRS erstellen!"
    virtual void asynopNewFile() = 0;     // "Neue Datei"
    virtual void asynopAppendLine() = 0;  // "Zeile anhängen"
    virtual void asynopEndOfFile() = 0;   // "Dateieende"
    virtual void printNow() = 0;          // "&Drucken"
    // The main window is about to close ("&Beenden" or its close box): settings are saved and the
    // links closed here. False keeps the window open (the settings could not be written).
    virtual bool mayClose() = 0;
};
