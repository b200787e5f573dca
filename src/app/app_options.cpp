#include "app_options.h"

#include <QCommandLineParser>

#include "base/command_line.h"
#include "outputs/run_now.h"
#include "publish/uploads.h"

const char* const kAppHelp =
    "Aufruf: wetterpult [--headless] [--folder ORDNER] [--activate] [--status-every SEKUNDEN]\n"
    "                  [--port NAME | --client HOST:PORT] [--show-groups]\n"
    "                  [--replay DATEI [--clock-from-stream]] [--run AKTION ...] [--quit]\n"
    "       wetterpult --headless [--folder ORDNER] --import-log PFAD...\n"
    "       wetterpult --headless [--folder ORDNER] --export-csv VON BIS [--days]\n"
    "       wetterpult --headless [--folder ORDNER] --bericht MONAT|JAHR\n"
    "       wetterpult --headless [--folder ORDNER] --ungueltig|--gueltig GROESSE VON BIS\n"
    "       wetterpult --headless [--folder ORDNER] --sicherung\n"
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
    "                          asynop-end; an die Wetternetze senden: cwop, wu\n"
    "  --quit                  danach geordnet beenden\n"
    "  --clock-from-stream     mit --replay: die Minuten des Archivs nach der Stationsuhr im\n"
    "                          Datenstrom (Gruppe 0x8F) statt nach der Uhr des Rechners, so\n"
    "                          dass eine Aufzeichnung eines Monats einen Monat füllt\n"
    "  --stream-year JAHR      mit --clock-from-stream: das Jahr, in dem der Datenstrom\n"
    "                          beginnt (die Station sendet kein Jahr; sonst das Jahr, in dem\n"
    "                          die ganze Aufzeichnung in der Vergangenheit liegt)\n"
    "  --import-log PFAD...    alte Wetterlog-Dateien (Dateien oder Ordner, mit Unterordnern)\n"
    "                          ins Archiv übernehmen; schon vorhandene Minuten bleiben\n"
    "  --export-csv VON BIS    das Archiv von VON bis BIS (Tage wie 2024-06-01 oder\n"
    "                          01.06.2024, BIS einschließlich) als CSV auf die Standardausgabe\n"
    "  --days                  mit --export-csv: die Tageswerte statt der Minuten\n"
    "  --bericht MONAT|JAHR    den Klimabericht eines Monats (2026-11) oder eines Jahres (2026)\n"
    "                          auf die Standardausgabe\n"
    "  --ungueltig GROESSE VON BIS\n"
    "                          die Werte einer Größe von VON bis BIS (Tage wie bei\n"
    "                          --export-csv oder Zeiten wie 2026-11-03T14:05) als ungültig\n"
    "                          markieren; Größen: temperatur-aussen, temperatur-innen,\n"
    "                          feuchte-aussen, feuchte-innen, taupunkt-aussen, taupunkt-innen,\n"
    "                          luftdruck, wind, boe, windchill, regen\n"
    "  --gueltig GROESSE VON BIS\n"
    "                          die Markierung \"ungültig\" dort wieder aufheben\n"
    "  --sicherung             das Archiv jetzt nach Sicherung/ neben ihm sichern und prüfen\n"
    "  -h, --help              diese Hilfe\n"
    "  --version               die Version\n"
    "\n"
    "Strg-C, SIGTERM oder SIGHUP (Terminal geschlossen) beenden das Programm geordnet:\n"
    "Einstellungen speichern, Schnittstelle schließen, ein Server bekommt \"-Disconnect\".\n"
    "Ein zweites Wetterpult mit demselben Ordner startet nicht.\n";

const QStringList& runActions() {
    static const QStringList actions = runNowCommandNames() + uploadCommandNames();
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

// Takes an option that is followed by several values ("--import-log A B C", "--export-csv VON
// BIS") out of the arguments: the values up to the next option. False when there are fewer than
// `least` or more than `most`.
bool takeValues(QStringList& arguments, const QString& option, int least, int most,
                QStringList* values, bool* present, QString* error) {
    const qsizetype at = arguments.indexOf(option);
    *present = at >= 0;
    if (at < 0)
        return true;
    qsizetype end = at + 1;
    while (end < arguments.size() && !arguments[end].startsWith(QLatin1String("--")))
        ++end;
    *values = arguments.mid(at + 1, end - at - 1);
    arguments.remove(at, end - at);
    if (values->size() < least || values->size() > most) {
        *error = least == most ? QStringLiteral("%1 braucht %2 Werte.").arg(option).arg(least)
                               : QStringLiteral("%1 braucht mindestens einen Wert.").arg(option);
        return false;
    }
    return true;
}

bool parseAppOptions(const QStringList& given, AppOptions* options, QString* error) {
    // A wrong option is named before any other complaint.
    static const QStringList known = {QStringLiteral("h"),
                                      QStringLiteral("help"),
                                      QStringLiteral("version"),
                                      QStringLiteral("headless"),
                                      QStringLiteral("port"),
                                      QStringLiteral("client"),
                                      QStringLiteral("folder"),
                                      QStringLiteral("activate"),
                                      QStringLiteral("status-every"),
                                      QStringLiteral("show-groups"),
                                      QStringLiteral("replay"),
                                      QStringLiteral("run"),
                                      QStringLiteral("quit"),
                                      QStringLiteral("clock-from-stream"),
                                      QStringLiteral("stream-year"),
                                      QStringLiteral("days"),
                                      QStringLiteral("import-log"),
                                      QStringLiteral("export-csv"),
                                      QStringLiteral("bericht"),
                                      QStringLiteral("ungueltig"),
                                      QStringLiteral("gueltig"),
                                      QStringLiteral("sicherung")};
    for (const QString& argument : given.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            continue;
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        name = name.left(name.indexOf(QLatin1Char('=')));
        if (!known.contains(name)) {
            *error = QStringLiteral("Unbekannte Option: %1 (--help zeigt den Aufruf)")
                         .arg(argument.left(argument.indexOf(QLatin1Char('='))));
            return false;
        }
    }
    QStringList arguments = given;
    bool importing = false;
    QStringList range;
    if (!takeValues(arguments, QStringLiteral("--import-log"), 1, 1 << 20, &options->importLogs,
                    &importing, error) ||
        !takeValues(arguments, QStringLiteral("--export-csv"), 2, 2, &range, &options->exportCsv,
                    error))
        return false;
    if (options->exportCsv) {
        options->exportFrom = range[0];
        options->exportTo = range[1];
    }
    if (importing && options->exportCsv) {
        *error = QStringLiteral("--import-log und --export-csv schließen sich aus.");
        return false;
    }
    QStringList period, unmarking;
    bool reporting = false, marking = false, unmarkingSet = false;
    if (!takeValues(arguments, QStringLiteral("--bericht"), 1, 1, &period, &reporting, error) ||
        !takeValues(arguments, QStringLiteral("--ungueltig"), 3, 3, &options->mark, &marking,
                    error) ||
        !takeValues(arguments, QStringLiteral("--gueltig"), 3, 3, &unmarking, &unmarkingSet, error))
        return false;
    if (reporting)
        options->report = period[0];
    if (unmarkingSet) {
        options->mark = unmarking;
        options->unmark = true;
    }
    options->backup = arguments.contains(QStringLiteral("--sicherung"));
    if (int(importing) + int(options->exportCsv) + int(reporting) + int(marking) +
            int(unmarkingSet) + int(options->backup) >
        1) {
        *error = QStringLiteral(
            "--import-log, --export-csv, --bericht, --ungueltig, --gueltig und --sicherung "
            "schließen sich aus.");
        return false;
    }
    QCommandLineParser parser;
    parser.addOptions(commandline::standardOptions());
    parser.addOptions(
        {QCommandLineOption(QStringLiteral("headless")),
         QCommandLineOption(QStringLiteral("port"), QString(), QStringLiteral("NAME")),
         QCommandLineOption(QStringLiteral("client"), QString(), QStringLiteral("HOST:PORT")),
         QCommandLineOption(QStringLiteral("folder"), QString(), QStringLiteral("ORDNER")),
         QCommandLineOption(QStringLiteral("activate")),
         QCommandLineOption(QStringLiteral("status-every"), QString(), QStringLiteral("SEKUNDEN")),
         QCommandLineOption(QStringLiteral("show-groups")),
         QCommandLineOption(QStringLiteral("replay"), QString(), QStringLiteral("DATEI")),
         QCommandLineOption(QStringLiteral("run"), QString(), QStringLiteral("AKTION")),
         QCommandLineOption(QStringLiteral("quit")),
         QCommandLineOption(QStringLiteral("clock-from-stream")),
         QCommandLineOption(QStringLiteral("stream-year"), QString(), QStringLiteral("JAHR")),
         QCommandLineOption(QStringLiteral("days")),
         QCommandLineOption(QStringLiteral("sicherung"))});
    if (!commandline::parse(parser, arguments, error))
        return false;
    options->help = parser.isSet(QStringLiteral("help"));
    options->version = parser.isSet(QStringLiteral("version"));
    options->headless = parser.isSet(QStringLiteral("headless"));
    options->port = parser.value(QStringLiteral("port"));
    options->folder = parser.value(QStringLiteral("folder"));
    options->activate = parser.isSet(QStringLiteral("activate"));
    options->showGroups = parser.isSet(QStringLiteral("show-groups"));
    options->replay = parser.value(QStringLiteral("replay"));
    options->quit = parser.isSet(QStringLiteral("quit"));
    options->clockFromStream = parser.isSet(QStringLiteral("clock-from-stream"));
    options->exportDays = parser.isSet(QStringLiteral("days"));
    if (parser.isSet(QStringLiteral("stream-year"))) {
        const auto year =
            commandline::integer(parser, QStringLiteral("stream-year"), 1970, 9999, error);
        if (!year)
            return false;
        options->streamYear = int(*year);
    }
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
