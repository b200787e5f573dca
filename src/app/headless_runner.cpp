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
    StationData data;
    StationInput input(data);
    if (!options.clientHost.isEmpty()) {
        input.client().setAddress(options.clientHost);
        input.client().setPort(options.clientPort);
        input.setClientMode(true);
    } else {
        input.serialLink().setPortName(options.port.isEmpty()
                                           ? QString::fromLatin1(SerialLink::kDefaultPortName)
                                           : options.port);
    }

    QObject::connect(&input, &StationInput::refreshed, [&data](std::uint8_t groupByte) {
        const QString line = groupSummaryLine(data.Record, groupByte);
        if (line.isEmpty())
            return;
        std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
        std::fflush(stdout);
    });

    // Start-up: the program folder and its settings.
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
    AsynopState asynop;
    OutputWriters writers(OutputContext{data, settings, asynop});

    if (!options.replay.isEmpty() && !replayCapture(options.replay, input))
        return 1;
    for (const QString& name : options.runActions)
        runNow(*parseRunNowAction(name), writers);
    if (options.quit) {
        // Shut-down: the settings are saved; the port was never opened.
        const bool saved = SaveSettings(settings, host);
        input.shutdown();
        return saved ? 0 : 1;
    }

    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, [&input] {
        input.shutdown();
        QCoreApplication::quit();
    });

    // A port that does not open at start leaves nothing to do: the reason has been shown.
    if (!input.activate())
        return 1;
    return QCoreApplication::exec();
}
