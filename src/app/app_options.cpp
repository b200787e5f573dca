#include "app_options.h"

#include <QCommandLineParser>

#include "base/command_line.h"

const char* const kAppHelp =
    "Aufruf: wetterpult [--headless] [--folder ORDNER] [--activate] [--status-every SEKUNDEN]\n"
    "                  [--port NAME | --client HOST:PORT] [--show-groups]\n"
    "                  [--replay DATEI] [--run AKTION ...] [--quit]\n"
    "\n"
    "Wetterpult liest die Datengruppen einer Wetterstation (WX200/WM918/WMR918) von der\n"
    "seriellen Schnittstelle oder von einem Station-Server und schreibt, wenn es \"Aktiv\" ist,\n"
    "die Ausgabedateien nach Zeitplan (WinGT-Seiten, Wetterlog, APRS, ASYNOP). Die\n"
    "Einstellungen stehen in wetterpult.ini im Programmordner.\n"
    "\n"
    "  --headless              ohne Fenster laufen (sonst zeigt Wetterpult sein Hauptfenster)\n"
    "  --folder ORDNER         der Programmordner (Einstellungen und Ausgabedateien);\n"
    "                          sonst der Ordner des Programms, wenn beschreibbar, sonst\n"
    "                          ~/.local/share/wetterpult/\n"
    "  --activate              nach dem Start \"Aktiv\" einschalten (wie der Menübefehl), auch\n"
    "                          wenn das Programm beim letzten Beenden nicht aktiv war\n"
    "  --status-every SEKUNDEN alle SEKUNDEN Sekunden die Titel- und Statuszeile ausgeben\n"
    "  --port NAME             für diesen Lauf diese serielle Schnittstelle: COM2\n"
    "                          (= /dev/ttyS1), ttyUSB0 oder ein Pfad wie /dev/pts/3\n"
    "  --client HOST:PORT      für diesen Lauf statt der Schnittstelle diesen Station-Server\n"
    "                          abfragen (z. B. 127.0.0.1:6980)\n"
    "  --show-groups           jede empfangene Gruppe als Zeile ausgeben\n"
    "  --replay DATEI          nach dem Start eine Aufzeichnung (rohe Stationsbytes) durch die\n"
    "                          serielle Strecke schicken, Stück für Stück (auch ein Gerät\n"
    "                          ohne Ende); --activate, --run und --quit folgen danach\n"
    "  --run AKTION            einen JETZT-Befehl ausführen (mehrfach möglich, in dieser\n"
    "                          Reihenfolge): read, import, log, aprs, asynop-new, asynop-line,\n"
    "                          asynop-end\n"
    "  --quit                  danach geordnet beenden\n"
    "  --help                  diese Hilfe\n"
    "\n"
    "Strg-C, SIGTERM oder SIGHUP (Terminal geschlossen) beenden das Programm geordnet:\n"
    "Einstellungen speichern, Schnittstelle schließen, ein Server bekommt \"-Disconnect\".\n"
    "Ein zweites Wetterpult mit demselben Ordner startet nicht.\n";

const QStringList& runActions() {
    static const QStringList actions = {QStringLiteral("read"),       QStringLiteral("import"),
                                        QStringLiteral("log"),        QStringLiteral("aprs"),
                                        QStringLiteral("asynop-new"), QStringLiteral("asynop-line"),
                                        QStringLiteral("asynop-end")};
    return actions;
}

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
         QCommandLineOption(QStringLiteral("activate")),
         QCommandLineOption(QStringLiteral("status-every"), QString(), QStringLiteral("SEKUNDEN")),
         QCommandLineOption(QStringLiteral("show-groups")),
         QCommandLineOption(QStringLiteral("replay"), QString(), QStringLiteral("DATEI")),
         QCommandLineOption(QStringLiteral("run"), QString(), QStringLiteral("AKTION")),
         QCommandLineOption(QStringLiteral("quit"))});
    if (!commandline::parse(parser, arguments, error))
        return false;
    options->help = parser.isSet(QStringLiteral("help"));
    options->headless = parser.isSet(QStringLiteral("headless"));
    options->port = parser.value(QStringLiteral("port"));
    options->folder = parser.value(QStringLiteral("folder"));
    options->activate = parser.isSet(QStringLiteral("activate"));
    options->showGroups = parser.isSet(QStringLiteral("show-groups"));
    options->replay = parser.value(QStringLiteral("replay"));
    options->quit = parser.isSet(QStringLiteral("quit"));
    if (parser.isSet(QStringLiteral("status-every"))) {
        const auto seconds =
            commandline::integer(parser, QStringLiteral("status-every"), 1, 86400, error);
        if (!seconds)
            return false;
        options->statusEvery = int(*seconds);
    }
    options->runs = parser.values(QStringLiteral("run"));
    for (const QString& action : options->runs) {
        if (!runActions().contains(action)) {
            *error = QStringLiteral("--run: '%1' ist keine Aktion (%2).")
                         .arg(action, runActions().join(QStringLiteral(", ")));
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
