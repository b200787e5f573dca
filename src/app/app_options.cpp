#include "app_options.h"

#include <QCommandLineParser>

#include "base/command_line.h"
#include "outputs/run_now.h"

const char* const kAppHelp =
    "Aufruf: wetterpult [--headless] [--port NAME | --client HOST:PORT] [--folder ORDNER]\n"
    "                   [--replay DATEI] [--run AKTION]... [--quit]\n"
    "\n"
    "Wetterpult liest die Datengruppen einer Wetterstation (WX200/WM918/WMR918) von der\n"
    "seriellen Schnittstelle oder von einem Station-Server und zeigt sie an.\n"
    "Die Einstellungen stehen in wetterpult.ini im Programmordner.\n"
    "\n"
    "  --headless          ohne Fenster laufen; jede empfangene Gruppe wird als Zeile\n"
    "                      ausgegeben\n"
    "  --port NAME         die serielle Schnittstelle für diesen Lauf: COM2 (= /dev/ttyS1),\n"
    "                      ttyUSB0 oder ein Pfad wie /dev/pts/3 (sonst Comport aus\n"
    "                      wetterpult.ini, Standard COM2)\n"
    "  --client HOST:PORT  für diesen Lauf einen Station-Server abfragen (z. B.\n"
    "                      127.0.0.1:6980); sonst gilt ClientActive aus wetterpult.ini.\n"
    "                      Mit --port oder --client geht das Fenster gleich auf \"Aktiv\".\n"
    "  --folder ORDNER     der Programmordner (Einstellungen und Ausgabedateien); ohne\n"
    "                      Angabe der Ordner des Programms, wenn er beschreibbar ist, sonst\n"
    "                      ~/.local/share/wetterpult\n"
    "  --replay DATEI      nach dem Start aufgezeichnete Stationsbytes (z. B. von\n"
    "                      wetterpult-sim --out) durch die serielle Strecke schicken\n"
    "  --run AKTION        danach einen Befehl \"JETZT ... erstellen!\" ausführen, mehrfach\n"
    "                      möglich, in der angegebenen Reihenfolge: read, import, log, aprs,\n"
    "                      asynop-new, asynop-line, asynop-end\n"
    "  --quit              danach geordnet beenden (Einstellungen speichern), ohne die\n"
    "                      Schnittstelle zu öffnen\n"
    "  --help              diese Hilfe\n"
    "\n"
    "Strg-C oder SIGTERM beenden das Programm geordnet: die Einstellungen werden gespeichert,\n"
    "ein Server bekommt \"-Disconnect\".\n";

namespace {

// "host:port", "[v6-address]:port".
bool splitHostPort(const QString& text, QString* host, quint16* port) {
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    QString h = text.left(colon);
    if (h.startsWith(QLatin1Char('[')) && h.endsWith(QLatin1Char(']')))
        h = h.mid(1, h.size() - 2);
    bool ok = false;
    const uint p = text.mid(colon + 1).toUInt(&ok);
    if (!ok || p == 0 || p > 65535 || h.isEmpty())
        return false;
    *host = h;
    *port = quint16(p);
    return true;
}

}  // namespace

bool parseAppOptions(const QStringList& arguments, AppOptions* options, QString* error) {
    QCommandLineParser parser;
    parser.addOptions(
        {QCommandLineOption(QStringLiteral("help")), QCommandLineOption(QStringLiteral("headless")),
         QCommandLineOption(QStringLiteral("port"), QString(), QStringLiteral("NAME")),
         QCommandLineOption(QStringLiteral("client"), QString(), QStringLiteral("HOST:PORT")),
         QCommandLineOption(QStringLiteral("folder"), QString(), QStringLiteral("ORDNER")),
         QCommandLineOption(QStringLiteral("replay"), QString(), QStringLiteral("DATEI")),
         QCommandLineOption(QStringLiteral("run"), QString(), QStringLiteral("AKTION")),
         QCommandLineOption(QStringLiteral("quit"))});
    if (!commandline::parse(parser, arguments, error))
        return false;
    options->help = parser.isSet(QStringLiteral("help"));
    options->headless = parser.isSet(QStringLiteral("headless"));
    options->port = parser.value(QStringLiteral("port"));
    options->folder = parser.value(QStringLiteral("folder"));
    options->replay = parser.value(QStringLiteral("replay"));
    options->quit = parser.isSet(QStringLiteral("quit"));
    options->runActions = parser.values(QStringLiteral("run"));
    for (const QString& action : options->runActions) {
        if (!parseRunNowAction(action)) {
            *error = QStringLiteral("--run: unbekannte Aktion '%1' (möglich: %2).")
                         .arg(action, runNowActionNames().join(QStringLiteral(", ")));
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("client"))) {
        if (parser.isSet(QStringLiteral("port"))) {
            *error = QStringLiteral("--port und --client schließen sich aus.");
            return false;
        }
        if (!splitHostPort(parser.value(QStringLiteral("client")), &options->clientHost,
                           &options->clientPort)) {
            *error = QStringLiteral("--client: '%1' ist nicht von der Form HOST:PORT.")
                         .arg(parser.value(QStringLiteral("client")));
            return false;
        }
    }
    return true;
}
