// wetterpult-sim: a simulated weather station console sending its five data groups.
#include <csignal>
#include <cstdio>
#include <ctime>

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>
#include <atomic>
#include <chrono>
#include <thread>

#include "base/app_clock.h"
#include "base/command_line.h"
#include "sim_output.h"
#include "sim_stream.h"
#include "station_model.h"

namespace {

std::atomic<bool> stopRequested{false};
extern "C" void onStopSignal(int) {
    stopRequested = true;
}

const char* kHelp =
    "Aufruf: wetterpult-sim (--pty | --out DATEI|-) [Optionen]\n"
    "\n"
    "Eine simulierte Wetterstation (WX200/WM918/WMR918): sendet die fünf Datengruppen\n"
    "0x8F, 0x9F, 0xAF, 0xBF alle 10 s und 0xCF alle 5 s, mit gültigen Prüfsummen und\n"
    "Werten, die sich wie echtes Wetter verändern (Tagesgang, Schauer, Böen, Luftdruck).\n"
    "\n"
    "Ausgabe:\n"
    "  --pty              legt ein Pseudo-Terminal an, schreibt dessen Gerätenamen als erste\n"
    "                     Zeile auf die Standardausgabe und sendet dorthin, bis es beendet wird\n"
    "  --out DATEI|-      schreibt die Bytes in eine Datei oder (-) auf die Standardausgabe\n"
    "\n"
    "Ablauf:\n"
    "  --groups N         nach N Gruppen aufhören (sonst ohne Ende)\n"
    "  --days N           nach N simulierten Tagen aufhören (z. B. 365 für ein Jahr fürs\n"
    "                     Archiv: --out jahr.bin --days 365 --fast)\n"
    "  --speed X          X-mal so schnell wie die Station (Standard 1)\n"
    "  --fast             ohne zu warten schreiben (braucht --groups oder --days). Mit --out\n"
    "                     DATEI und --groups oder --days ist das die Voreinstellung, außer\n"
    "                     --speed ist angegeben\n"
    "  --seed N           Zufallsstartwert: gleicher Wert, gleiches Wetter\n"
    "  --start ZEIT       Uhrzeit der Station zu Beginn, z. B. 2024-06-24T12:30:00\n"
    "                     (Standard: jetzt)\n"
    "\n"
    "Störungen (Anteile von 0 bis 1):\n"
    "  --bad-checksums P  Anteil der Gruppen mit falscher Prüfsumme\n"
    "  --noise P          Anteil der Gruppen mit Störbytes davor\n"
    "  --cut P            Anteil der Gruppen, die abgeschnitten werden\n"
    "\n"
    "  -h, --help         diese Hilfe\n"
    "  --version          die Version\n";

int fail(const QString& message) {
    return commandline::fail("wetterpult-sim", message);
}

// Sleeps until the deadline or a stop request, whichever comes first.
void waitUntil(std::chrono::steady_clock::time_point deadline) {
    while (!stopRequested) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero())
            return;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(left, std::chrono::milliseconds(200)));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const auto value = [](const char* name, const char* valueName) {
        return QCommandLineOption(QString::fromLatin1(name), QString(),
                                  QString::fromLatin1(valueName));
    };
    parser.addOptions(
        {QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}),
         QCommandLineOption(QStringLiteral("version")), QCommandLineOption(QStringLiteral("pty")),
         value("out", "DATEI"), value("groups", "N"), value("days", "N"), value("speed", "X"),
         QCommandLineOption(QStringLiteral("fast")), value("seed", "N"), value("start", "ZEIT"),
         value("bad-checksums", "P"), value("noise", "P"), value("cut", "P")});
    QString error;
    if (!commandline::parse(parser, app.arguments(), &error))
        return fail(error);
    if (commandline::answerHelpOrVersion(parser, "wetterpult-sim", kHelp))
        return 0;

    const bool pty = parser.isSet(QStringLiteral("pty"));
    const bool out = parser.isSet(QStringLiteral("out"));
    if (pty == out)
        return fail(QStringLiteral("Bitte genau eine Ausgabe angeben: --pty oder --out."));

    long long groups = 0;
    if (parser.isSet(QStringLiteral("groups"))) {
        const auto g = commandline::integer(parser, QStringLiteral("groups"), 1, 1LL << 40, &error);
        if (!g)
            return fail(error);
        groups = *g;
    }
    long long days = 0;
    if (parser.isSet(QStringLiteral("days"))) {
        const auto d = commandline::integer(parser, QStringLiteral("days"), 1, 100000, &error);
        if (!d)
            return fail(error);
        days = *d;
    }
    const bool bounded = groups > 0 || days > 0;
    double speed = 1.0;
    if (parser.isSet(QStringLiteral("speed"))) {
        const auto s = commandline::real(parser, QStringLiteral("speed"), 0.001, 1e6, &error);
        if (!s)
            return fail(error);
        speed = *s;
    }
    SimFaults faults;
    for (auto [name, target] : {std::pair{"bad-checksums", &faults.badChecksums},
                                std::pair{"noise", &faults.noise}, std::pair{"cut", &faults.cut}}) {
        if (!parser.isSet(QString::fromLatin1(name)))
            continue;
        const auto p = commandline::real(parser, QString::fromLatin1(name), 0, 1, &error);
        if (!p)
            return fail(error);
        *target = *p;
    }
    std::uint64_t seed = std::uint64_t(QDateTime::currentMSecsSinceEpoch());
    if (parser.isSet(QStringLiteral("seed"))) {
        const auto s = commandline::integer(parser, QStringLiteral("seed"), 0,
                                            std::numeric_limits<long long>::max(), &error);
        if (!s)
            return fail(error);
        seed = std::uint64_t(*s);
    }
    QDateTime start = AppClock::currentDateTime();
    if (parser.isSet(QStringLiteral("start"))) {
        QString text = parser.value(QStringLiteral("start"));
        start =
            QDateTime::fromString(text.replace(QLatin1Char(' '), QLatin1Char('T')), Qt::ISODate);
        if (!start.isValid())
            return fail(QStringLiteral("--start: '%1' ist keine Zeit wie 2024-06-24T12:30:00")
                            .arg(parser.value(QStringLiteral("start"))));
    }

    const QString target = parser.value(QStringLiteral("out"));
    bool fast = parser.isSet(QStringLiteral("fast"));
    if (fast && pty)
        return fail(QStringLiteral("--fast geht nicht mit --pty."));
    if (fast && !bounded)
        return fail(QStringLiteral("--fast braucht --groups N oder --days N."));
    if (out && target != QLatin1String("-") && bounded && !parser.isSet(QStringLiteral("speed")))
        fast = true;

    SimOutput output;
    if (!(pty ? output.openPty(&error) : output.openOut(target, &error)))
        return fail(error);
    if (pty) {
        std::printf("%s\n", output.ptyPath().toLocal8Bit().constData());
        std::fflush(stdout);
    }

    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    StationModel model(seed, start);
    SimStream stream(model, seed, faults);
    const auto begin = std::chrono::steady_clock::now();
    const std::chrono::duration<double> tick(1.0 / speed);
    long long written = 0;
    for (long long second = 1; !stopRequested && (days == 0 || second <= days * 86400); ++second) {
        for (const QByteArray& group : stream.nextSecond()) {
            if (groups > 0 && written >= groups)
                break;
            if (!output.write(group, &error)) {
                if (!(out && target == QLatin1String("-")))
                    return fail(error);
                return 0;  // the reader of standard output has gone: nothing left to do
            }
            ++written;
        }
        if (groups > 0 && written >= groups)
            break;
        if (!fast)
            waitUntil(begin + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                  tick * second));
    }
    return 0;
}
