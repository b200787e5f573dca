#include "headless_runner.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "base/notifier.h"
#include "base/stop_signals.h"
#include "config/plain_settings_host.h"
#include "config/program_folder.h"
#include "config/settings_file.h"
#include "outputs/output_writers.h"
#include "outputs/run_now.h"
#include "station/group_summary.h"
#include "station/station_input.h"

namespace {

// The station input of this run: the command line overrides the settings file for this run only,
// so the file's own port, server and ClientActive are what the end of the run writes back.
void chooseInput(const AppOptions& options, const Settings& settings, const SettingsHost& host,
                 StationInput& input) {
    if (!options.clientHost.isEmpty()) {
        input.client().setAddress(options.clientHost);
        input.client().setPort(options.clientPort);
        input.setClientMode(true);
    } else if (options.port.isEmpty() && settings.ClientActive) {
        input.client().setAddress(host.remoteAddress());
        input.client().setPort(quint16(host.remotePort()));
        input.setClientMode(true);
    } else {
        input.serialLink().setPortName(options.port.isEmpty() ? host.portName() : options.port);
    }
}

// Feeds a recorded byte stream through the serial road, as if the port had delivered it.
bool replayCapture(const QString& path, StationInput& input) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(QStringLiteral("Die Aufzeichnung %1 kann nicht gelesen werden: %2")
                        .arg(path, file.errorString()));
        return false;
    }
    input.road().feed(file.readAll());
    return true;
}

}  // namespace

int runHeadless(const AppOptions& options) {
    QString error;
    const QString folder =
        resolveProgramFolder(options.folder, QCoreApplication::applicationDirPath(), &error);
    if (folder.isEmpty()) {
        reportError(error);
        return 1;
    }
    Settings settings;
    settings.setProgramFolder(folder);
    PlainSettingsHost host;
    LoadSettings(settings, host);
    // Until the scheduler keeps the client state, the file's ClientActive is written back as read.
    host.client = settings.ClientActive;

    StationData data;
    StationInput input(data);
    chooseInput(options, settings, host, input);
    AsynopState asynop;
    OutputWriters writers(OutputContext{data, settings, asynop});

    QObject::connect(&input, &StationInput::refreshed, [&data](std::uint8_t groupByte) {
        const QString line = groupSummaryLine(data.Record, groupByte);
        if (line.isEmpty())
            return;
        std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
        std::fflush(stdout);
    });

    // --replay and --run: a recorded stream through the serial road, then the run-now commands.
    if (!options.replay.isEmpty() && !replayCapture(options.replay, input))
        return 1;
    for (const QString& name : options.runActions)
        runNow(*parseRunNowAction(name), writers);
    // --quit: the shut-down steps at once; the port is never opened.
    if (options.quit) {
        const bool saved = SaveSettings(settings, host);
        input.shutdown();
        return saved ? 0 : 1;
    }

    // Shut-down: the settings first; when they cannot be written the program keeps running (the
    // message has been shown), and a second stop request ends it without them.
    StopSignals stop;
    bool saveFailed = false;
    QObject::connect(&stop, &StopSignals::stopRequested, [&] {
        const bool saved = SaveSettings(settings, host);
        if (!saved && !saveFailed) {
            saveFailed = true;
            std::fprintf(stderr,
                         "wetterpult: läuft weiter; ein weiteres Strg-C oder SIGTERM "
                         "beendet ohne die Einstellungen zu speichern.\n");
            return;
        }
        input.shutdown();
        QCoreApplication::exit(saved ? 0 : 1);
    });

    // A port that does not open at start leaves nothing to do: the reason has been shown. The
    // settings are still written, so a first start leaves a file whose Comport can be corrected.
    if (!input.activate()) {
        SaveSettings(settings, host);
        return 1;
    }
    return QCoreApplication::exec();
}
