// The main window's menus "&Datei" and "Debug" with their items, object names and shortcuts, and
// the context menu of the window and its value boxes. The window connects the items to its
// handlers.
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
    QAction* Drucken1;
    QAction* Beenden1;

    QMenu* debug;
    QAction* ShowCOMData1;
    QAction* DumpCOMData1;
    QAction* ShowAllChkSums1;
    QAction* N5xWind1;

    QMenu* PopupMenu1;
    QAction* Zeichen1;
    QAction* Farben2;
    QAction* qsthermo;
};
