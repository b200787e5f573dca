#include "display/ui/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "display/ui/pictures.h"
#include "display/ui/vector_icon.h"

namespace {
QAction* item(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut = {}) {
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    return a;
}
}  // namespace

MainMenu::MainMenu(QMenuBar* bar) {
    datei = bar->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("Datei1"));
    C1 = item(datei, "C1", "Aktiv", QKeySequence(Qt::Key_F2));
    C1->setCheckable(true);
    C1->setIcon(makeVectorIcon(&paintActiveIcon));
    datei->addSeparator();
    JETZTerstellen1 = item(datei, "JETZTerstellen1", "JETZT Import erstellen!",
                           QKeySequence(Qt::CTRL | Qt::Key_I));
    JETZTReaderstellen1 = item(datei, "JETZTReaderstellen1", "JETZT Read erstellen!",
                               QKeySequence(Qt::CTRL | Qt::Key_R));
    JETZTLogupdaten1 =
        item(datei, "JETZTLogupdaten1", "JETZT Log updaten!", QKeySequence(Qt::CTRL | Qt::Key_L));
    JETZTAPRSerstellen1 = item(datei, "JETZTAPRSerstellen1", "JETZT APRS erstellen!",
                               QKeySequence(Qt::CTRL | Qt::Key_A));
    JETZTASYNOPerstellen1 = datei->addMenu(QStringLiteral("JETZT ASYNOP erstellen!"));
    JETZTASYNOPerstellen1->setObjectName(QStringLiteral("JETZTASYNOPerstellen1"));
    NeueDatei = item(JETZTASYNOPerstellen1, "NeueDatei", "Neue Datei");
    ZeileAnh = item(JETZTASYNOPerstellen1, "ZeileAnh", "Zeile anhängen");
    Dateieende = item(JETZTASYNOPerstellen1, "Dateieende", "Dateieende");
    datei->addSeparator();
    WetterlogImportieren1 = item(datei, "WetterlogImportieren1", "Wetterlog importieren...");
    datei->addSeparator();
    Drucken1 = item(datei, "Drucken1", "&Drucken", QKeySequence(Qt::CTRL | Qt::Key_P));
    datei->addSeparator();
    Beenden1 = item(datei, "Beenden1", "&Beenden");

    ansicht = bar->addMenu(QStringLiteral("&Ansicht"));
    ansicht->setObjectName(QStringLiteral("Ansicht1"));
    Windrose1 = item(ansicht, "Windrose1", "Windrose", QKeySequence(Qt::Key_F3));
    Windrose1->setCheckable(true);
    Alarme1 = item(ansicht, "Alarme1", "Alarme");
    Alarme1->setCheckable(true);
    Thermometer1 = ansicht->addMenu(QStringLiteral("Thermometer"));
    Thermometer1->setObjectName(QStringLiteral("Thermometer1"));
    Quecksilber1 = item(Thermometer1, "Quecksilber1", "Quecksilber", QKeySequence(Qt::Key_F4));
    Quecksilber1->setCheckable(true);
    Digital1 = item(Thermometer1, "Digital1", "Digital");
    Digital1->setEnabled(false);
    Explorer1 = item(ansicht, "Explorer1", "Explorer");
    Sonne1 = item(ansicht, "Sonne1", "Sonne");
    ansicht->addSeparator();
    Verlauf1 = item(ansicht, "Verlauf1", "Verlauf", QKeySequence(Qt::Key_F5));
    Dienste1 = item(ansicht, "Dienste1", "Dienste");

    einstellungen = bar->addMenu(QStringLiteral("&Einstellungen"));
    einstellungen->setObjectName(QStringLiteral("Einstellungen1"));
    Allgemein1 = item(einstellungen, "Allgemein1", "Allgemein...");
    APRS1 = item(einstellungen, "APRS1", "APRS...");
    WinGT1 = item(einstellungen, "WinGT1", "WinGT...");
    Wetterlog1 = item(einstellungen, "Wetterlog1", "Wetterlog...");
    Profile1 = item(einstellungen, "Profile1", "Profile...");
    COMPort1 = item(einstellungen, "COMPort1", "COM-Port...");
    Locator1 = item(einstellungen, "Locator1", "Locator...");
    ASYNOP1 = item(einstellungen, "ASYNOP1", "ASYNOP...");
    ClientServer1 = item(einstellungen, "ClientServer1", "Client/Server...");
    MQTT1 = item(einstellungen, "MQTT1", "MQTT...");
    CWOP1 = item(einstellungen, "CWOP1", "CWOP / APRS-IS...");
    WU1 = item(einstellungen, "WU1", "Weather Underground...");
    Webseite1 = item(einstellungen, "Webseite1", "Webseite...");

    debug = bar->addMenu(QStringLiteral("De&bug"));
    debug->setObjectName(QStringLiteral("Debug1"));
    ShowCOMData1 = item(debug, "ShowCOMData1", "Show COM-Data");
    DumpCOMData1 = item(debug, "DumpCOMData1", "Dump COM-Data to file...");
    ShowAllChkSums1 = item(debug, "ShowAllChkSums1", "Show All Weather ChkSums");
    ShowAllChkSums1->setCheckable(true);
    N5xWind1 = item(debug, "N5xWind1", "5x Wind");
    N5xWind1->setCheckable(true);

    hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("Hilfe1"));
    About1 = item(hilfe, "About1", "About...", QKeySequence(Qt::Key_F1));
    ReadMe1 = item(hilfe, "ReadMe1", "ReadMe...");

    PopupMenu1 = new QMenu(bar->parentWidget());
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Zeichen1 = item(PopupMenu1, "Zeichen1", "Zeichen...");
    Farben2 = item(PopupMenu1, "Farben2", "Farbe...");
    qsthermo = item(PopupMenu1, "qsthermo", "graphische Anzeige...");
}
