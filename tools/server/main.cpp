// wetterpult-server: the station server of the client mode. Reads the station (or the simulator)
// on a serial port and serves the last good group of each kind to Wetterpult clients over TCP.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "base/command_line.h"
#include "base/stop_signals.h"
#include "station/serial_link.h"
#include "station/serial_road.h"
#include "station_server.h"

namespace {

const char* kHelp =
    "Aufruf: wetterpult-server --serial GERÄT [Optionen]\n"
    "\n"
    "Liest die Datengruppen einer Wetterstation (WX200/WM918/WMR918) von einer seriellen\n"
    "Schnittstelle, behält von jeder Gruppe die letzte mit gültiger Prüfsumme und beantwortet\n"
    "die Ein-Byte-Anfragen 0x8F, 0x9F, 0xAF, 0xBF und 0xCF von Wetterpult-Clients mit\n"
    "Gruppenbyte und Gruppe. Die erste Zeile der Ausgabe nennt Adresse und Port.\n"
    "\n"
    "  --serial GERÄT   die Schnittstelle: COM1 (= /dev/ttyS0), ttyUSB0 oder ein Pfad wie\n"
    "                   /dev/pts/3 (das Pseudo-Terminal von wetterpult-sim --pty)\n"
    "  --listen PORT    TCP-Port (Standard 6980; 0 wählt einen freien Port)\n"
    "  --bind ADRESSE   lauscht auf dieser Adresse (Standard 127.0.0.1)\n"
    "  --max-clients N  höchstens N Clients zugleich (Standard 100, weniger bei knappen\n"
    "                   Dateideskriptoren); weitere Verbindungen warten\n"
    "  --verbose        meldet auch jedes Verbinden und Trennen eines Clients\n"
    "  -h, --help       diese Hilfe\n"
    "  --version        die Version\n"
    "\n"
    "Lässt sich die Schnittstelle beim Start nicht öffnen oder geht sie verloren, versucht der\n"
    "Server alle 5 Sekunden, sie (wieder) zu öffnen, und beantwortet Anfragen weiter mit den\n"
    "zuletzt empfangenen Gruppen, solange sie jünger als zwei Minuten sind; ältere werden nicht\n"
    "gesendet. Ein Client, der 30 Sekunden lang nichts fragt, wird getrennt.\n";

void logLine(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

// The default client limit: 100, or fewer when the process may open fewer descriptors (the port,
// the listening socket and Qt's own need some).
int defaultMaxClients() {
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) != 0 || files.rlim_cur == RLIM_INFINITY)
        return StationServer::kDefaultMaxClients;
    return int(std::clamp<rlim_t>(files.rlim_cur / 2, 1, StationServer::kDefaultMaxClients));
}

int fail(const QString& message) {
    return commandline::fail("wetterpult-server", message);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wetterpult-server"));
    QCommandLineParser parser;
    parser.addOptions(commandline::standardOptions());
    parser.addOptions(
        {QCommandLineOption(QStringLiteral("serial"), QString(), QStringLiteral("GERÄT")),
         QCommandLineOption(QStringLiteral("listen"), QString(), QStringLiteral("PORT")),
         QCommandLineOption(QStringLiteral("bind"), QString(), QStringLiteral("ADRESSE")),
         QCommandLineOption(QStringLiteral("max-clients"), QString(), QStringLiteral("N")),
         QCommandLineOption(QStringLiteral("verbose"))});
    QString error;
    if (!commandline::parse(parser, app.arguments(), &error))
        return fail(error);
    if (commandline::answerHelpOrVersion(parser, "wetterpult-server", kHelp))
        return 0;
    if (!parser.isSet(QStringLiteral("serial")))
        return fail(QStringLiteral("Bitte die Schnittstelle mit --serial angeben."));
    quint16 port = 6980;
    if (parser.isSet(QStringLiteral("listen"))) {
        const auto p = commandline::integer(parser, QStringLiteral("listen"), 0, 65535, &error);
        if (!p)
            return fail(error);
        port = quint16(*p);
    }
    QHostAddress bindAddress(QHostAddress::LocalHost);
    if (parser.isSet(QStringLiteral("bind")) &&
        !bindAddress.setAddress(parser.value(QStringLiteral("bind"))))
        return fail(QStringLiteral("--bind: '%1' ist keine IP-Adresse.")
                        .arg(parser.value(QStringLiteral("bind"))));

    StationServer server;
    QObject::connect(&server, &StationServer::logLine, &logLine);
    server.setVerbose(parser.isSet(QStringLiteral("verbose")));
    server.setMaxClients(defaultMaxClients());
    if (parser.isSet(QStringLiteral("max-clients"))) {
        const auto n =
            commandline::integer(parser, QStringLiteral("max-clients"), 1, 10000, &error);
        if (!n)
            return fail(error);
        server.setMaxClients(int(*n));
    }

    StationData data;
    SerialRoad road(data);
    road.onChecked = [&server](const GroupCheckResult& result) {
        if (result.accepted())
            server.setGroup(result.groupByte, result.body.toByteArray());
    };

    SerialLink link;
    link.setPortName(parser.value(QStringLiteral("serial")));
    QObject::connect(&link, &SerialLink::bytesReceived,
                     [&road](const QByteArray& chunk) { road.feed(chunk); });
    // A port that does not open at start (adapter not yet plugged in) or is lost later (adapter
    // pulled, simulator ended) is tried again quietly every five seconds.
    QTimer reopen;
    reopen.setInterval(5000);
    QString failure;
    if (!link.open(&failure)) {
        logLine(QStringLiteral("%1 (%2); neuer Versuch alle 5 Sekunden.")
                    .arg(failure, link.openFailureDetails()));
        reopen.start();
    }
    QObject::connect(&link, &SerialLink::portLost, &reopen, qOverload<>(&QTimer::start));
    QObject::connect(&reopen, &QTimer::timeout, [&] {
        QString again;
        if (link.open(&again)) {
            reopen.stop();
            logLine(QStringLiteral("Schnittstelle %1 wieder offen.").arg(link.portName()));
        }
    });

    if (!server.listen(bindAddress, port, &error))
        return fail(error);
    std::printf("Station-Server an %s:%u\n", server.address().toString().toLocal8Bit().constData(),
                unsigned(server.port()));
    std::fflush(stdout);

    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, &app, [] { QCoreApplication::quit(); });
    const int rc = app.exec();
    link.close();
    return rc;
}
