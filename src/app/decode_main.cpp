// wetterpult-decode: reads raw station bytes from a file, standard input or a serial port, runs
// them through the serial road and prints one JSON line per framed group; or polls a station server
// over the client road and prints one line per group message.
#include <fcntl.h>
#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/command_line.h"
#include "decode_live.h"
#include "station/decode_session.h"

namespace {

struct Options {
    QString input = QStringLiteral("-");
    std::size_t chunk = 1;
    std::size_t groups = 0;
    QString serial;  // a serial port instead of a file
    QString host;    // a station server instead of a file
    quint16 port = 0;
    int counter = 59;
};

void printLine(QByteArrayView line) {
    std::fwrite(line.data(), 1, static_cast<std::size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
}

[[noreturn]] void fail(const QString& text, int code) {
    std::fprintf(stderr, "wetterpult-decode: %s\n", qPrintable(text));
    std::exit(code);
}

std::size_t positiveNumber(const QCommandLineParser& parser, const QString& name) {
    bool ok = false;
    const qulonglong v = parser.value(name).toULongLong(&ok);
    if (!ok || v == 0)
        fail(QStringLiteral("--%1 braucht eine ganze Zahl ab 1, nicht '%2'.")
                 .arg(name, parser.value(name)),
             2);
    return static_cast<std::size_t>(v);
}

const char* const kHelp =
    "Aufruf: wetterpult-decode [DATEI|-] [--chunk N] [--groups N]\n"
    "        wetterpult-decode --serial GERÄT [--groups N]\n"
    "        wetterpult-decode --tcp HOST:PORT [--counter N] [--groups N]\n"
    "\n"
    "Liest rohe Bytes einer Wetterstation (WX200/WM918/WMR918), schneidet die fünf\n"
    "Datengruppen heraus, prüft ihre Prüfsumme und gibt je Gruppe eine JSON-Zeile mit dem\n"
    "ganzen Wetterdatensatz aus.\n"
    "\n"
    "  DATEI             Datei mit Stationsbytes; - oder nichts liest die Standardeingabe\n"
    "  --chunk N         Bytes je Portion, die der Gruppensuche übergeben wird (Vorgabe 1)\n"
    "  --groups N        nach N ausgegebenen Gruppen beenden\n"
    "  --serial GERÄT    von einer seriellen Schnittstelle lesen: COM1 (= /dev/ttyS0),\n"
    "                    ttyUSB0 oder ein Pfad wie /dev/pts/3; Ende mit Strg-C\n"
    "  --tcp HOST:PORT   einen Station-Server abfragen wie Wetterpult im Client-Betrieb\n"
    "                    (einmal je Sekunde); ohne Prüfsummentest, \"checksum\" ist null;\n"
    "                    Ende mit Strg-C\n"
    "  --counter N       mit --tcp: Startwert des Sekundenzählers (59..0, Vorgabe 59; bei 0\n"
    "                    werden alle fünf Gruppen angefragt)\n"
    "  -h, --help        diese Hilfe\n"
    "  --version         die Version\n";

Options parseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.addOptions(commandline::standardOptions());
    parser.addOption(
        {QStringLiteral("chunk"), QString(), QStringLiteral("N"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("groups"), QString(), QStringLiteral("N")});
    parser.addOption({QStringLiteral("serial"), QString(), QStringLiteral("GERÄT")});
    parser.addOption({QStringLiteral("tcp"), QString(), QStringLiteral("HOST:PORT")});
    parser.addOption(
        {QStringLiteral("counter"), QString(), QStringLiteral("N"), QStringLiteral("59")});
    QString error;
    // One input file at most; a second is named by the check below.
    if (!commandline::parse(parser, app.arguments(), &error, 2))
        fail(error, 2);
    if (commandline::answerHelpOrVersion(parser, "wetterpult-decode", kHelp))
        std::exit(0);

    Options o;
    const QStringList args = parser.positionalArguments();
    if (args.size() > 1)
        fail(QStringLiteral("Nur eine Eingabedatei ist erlaubt."), 2);
    if (!args.isEmpty())
        o.input = args.first();
    o.chunk = positiveNumber(parser, QStringLiteral("chunk"));
    if (parser.isSet(QStringLiteral("groups")))
        o.groups = positiveNumber(parser, QStringLiteral("groups"));
    if (parser.isSet(QStringLiteral("serial")) + parser.isSet(QStringLiteral("tcp")) +
            !args.isEmpty() >
        1)
        fail(QStringLiteral("Nur eine Eingabe ist erlaubt: DATEI, --serial oder --tcp."), 2);
    o.serial = parser.value(QStringLiteral("serial"));
    if (parser.isSet(QStringLiteral("tcp"))) {
        const QString text = parser.value(QStringLiteral("tcp"));
        const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
        bool ok = false;
        const uint port = colon > 0 ? text.mid(colon + 1).toUInt(&ok) : 0;
        if (!ok || port == 0 || port > 65535)
            fail(QStringLiteral("--tcp braucht HOST:PORT, nicht '%1'.").arg(text), 2);
        o.host = text.left(colon);
        o.port = quint16(port);
    }
    bool counterOk = false;
    o.counter = parser.value(QStringLiteral("counter")).toInt(&counterOk);
    if (!counterOk || o.counter < 0 || o.counter > 59)
        fail(QStringLiteral("--counter braucht eine ganze Zahl von 0 bis 59, nicht '%1'.")
                 .arg(parser.value(QStringLiteral("counter"))),
             2);
    return o;
}

// Reads a file or standard input to its end (or until the session has printed enough lines).
int decodeStream(const Options& o, DecodeSession& session) {
    int fd = STDIN_FILENO;
    if (o.input != QStringLiteral("-")) {
        fd = ::open(QFile::encodeName(o.input).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            fail(QStringLiteral("Die Datei '%1' kann nicht geöffnet werden: %2")
                     .arg(o.input, QString::fromLocal8Bit(std::strerror(errno))),
                 1);
    }
    char buffer[1 << 16];
    while (!session.done()) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(QStringLiteral("Lesefehler in '%1': %2")
                     .arg(o.input, QString::fromLocal8Bit(std::strerror(errno))),
                 1);
        if (n == 0) {
            session.finishSerial();
            break;
        }
        session.feedSerial(QByteArrayView(buffer, n));
        std::fflush(stdout);
    }
    if (fd != STDIN_FILENO)
        ::close(fd);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wetterpult-decode"));
    const Options options = parseOptions(app);
    if (!options.serial.isEmpty())
        return decodeSerialPort(options.serial, options.groups);
    if (!options.host.isEmpty())
        return decodeStationServer(options.host, options.port, options.groups, options.counter);

    DecodeSession session(options.chunk, options.groups);
    session.onLine = printLine;
    const int rc = decodeStream(options, session);
    std::uint64_t held = 0, dropped = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        held += session.road().confirmation().held()[i];
        dropped += session.road().confirmation().dropped()[i];
    }
    if (held > 0)
        std::fprintf(stderr, "wetterpult-decode: %llu %s gehalten, davon %llu verworfen\n",
                     static_cast<unsigned long long>(held), held == 1 ? "Gruppe" : "Gruppen",
                     static_cast<unsigned long long>(dropped));
    if (std::fflush(stdout) != 0)
        fail(QStringLiteral("Die Ausgabe kann nicht geschrieben werden."), 1);
    return rc;
}
