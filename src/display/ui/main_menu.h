// The main window's menus "&Datei", "&Ansicht", "&Einstellungen", "Debug" and "Hilfe" with their
// items, object names and shortcuts, and the context menu of the window and its value boxes. The
// window and the desktop program connect the items to their handlers.
#pragma once

#include <QKeySequence>

class QAction;
class QMenu;
class QMenuBar;

struct MainMenu {
    explicit MainMenu(QMenuBar* bar);

    QMenu* datei;
    QAction* C1;  // "Aktiv", F2, mirrored by the tool button
    QAction* JETZTerstellen1;
    QAction* JETZTReaderstellen1;
    QAction* JETZTLogupdaten1;
    QAction* JETZTAPRSerstellen1;
    QMenu* JETZTASYNOPerstellen1;
    QAction* NeueDatei;
    QAction* ZeileAnh;
    QAction* Dateieende;
    QAction* WetterlogImportieren1;  // "Wetterlog importieren...": old log files into the archive
    QAction* Drucken1;
    QAction* Beenden1;

    QMenu* ansicht;
    QAction* Windrose1;  // F3, checked while the wind rose is shown
    QAction* Alarme1;    // checked while the alarm overview is shown
    QMenu* Thermometer1;
    QAction* Quecksilber1;  // F4, checked while the thermometer is shown
    QAction* Digital1;      // shown disabled
    QAction* Explorer1;
    QAction* Sonne1;
    QAction* Verlauf1;  // F5: the weather archive's charts
    QAction* Dienste1;  // the uploads to the weather networks and their state

    QMenu* einstellungen;
    QAction* Allgemein1;
    QAction* APRS1;
    QAction* WinGT1;
    QAction* Wetterlog1;
    QAction* Profile1;
    QAction* COMPort1;
    QAction* Locator1;
    QAction* ASYNOP1;
    QAction* ClientServer1;
    QAction* MQTT1;      // the MQTT publisher
    QAction* CWOP1;      // the upload to CWOP over APRS-IS
    QAction* WU1;        // the upload to Weather Underground
    QAction* Webseite1;  // the program's own web page

    QMenu* debug;
    QAction* ShowCOMData1;
    QAction* DumpCOMData1;
    QAction* ShowAllChkSums1;
    QAction* N5xWind1;

    QMenu* hilfe;
    QAction* About1;  // F1
    QAction* ReadMe1;

    QMenu* PopupMenu1;
    QAction* Zeichen1;
    QAction* Farben2;
    QAction* qsthermo;
};
