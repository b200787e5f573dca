#include "headless_runner.h"

#include <QCoreApplication>
#include <cstdio>

#include "base/notifier.h"
#include "base/stop_signals.h"
#include "config/plain_settings_host.h"
#include "config/program_folder.h"
#include "config/settings_file.h"
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

    // --quit: the start-up steps, then at once the shut-down steps.
    if (options.quit)
        return SaveSettings(settings, host) ? 0 : 1;

    StationData data;
    StationInput input(data);
    chooseInput(options, settings, host, input);

    QObject::connect(&input, &StationInput::refreshed, [&data](std::uint8_t groupByte) {
        const QString line = groupSummaryLine(data.Record, groupByte);
        if (line.isEmpty())
            return;
        std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
        std::fflush(stdout);
    });

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
