#include "headless_runner.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "base/notifier.h"
#include "base/stop_signals.h"
#include "config/program_folder.h"
#include "config/program_lifecycle.h"
#include "config/schedule_list.h"
#include "config/settings_file.h"
#include "config/station_settings_host.h"
#include "outputs/asynop_state.h"
#include "outputs/output_writers.h"
#include "outputs/scheduler.h"
#include "outputs/scheduler_clock.h"
#include "outputs/station_input_control.h"
#include "station/group_summary.h"
#include "station/station_input.h"

namespace {

void printLine(const QString& line) {
    std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

void runNow(Scheduler& scheduler, const QString& action) {
    if (action == QLatin1String("read"))
        scheduler.readNow();
    else if (action == QLatin1String("import"))
        scheduler.importNow();
    else if (action == QLatin1String("log"))
        scheduler.logNow();
    else if (action == QLatin1String("aprs"))
        scheduler.aprsNow();
    else if (action == QLatin1String("asynop-new"))
        scheduler.asynopNewFile();
    else if (action == QLatin1String("asynop-line"))
        scheduler.asynopAppendLine();
    else if (action == QLatin1String("asynop-end"))
        scheduler.asynopEndFile();
}

// Feeds a capture of raw station bytes through the serial road, as if the port had sent them.
bool replay(StationInput& input, const QString& path) {
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

    StationData data;
    Settings settings;
    AsynopState asynop;
    OutputWriters outputs(OutputContext{data, settings, asynop});
    StationInput input(data);
    StationInputControl control(input);
    Scheduler scheduler(data, settings, outputs, control, [&settings](const QString& list) {
        return NextScheduleTime(settings, list);
    });
    SchedulerClock clock(scheduler);
    StationSettingsHost host(settings, input, scheduler);
    if (!options.port.isEmpty())
        host.overridePort(options.port);
    if (!options.clientHost.isEmpty())
        host.overrideServer(options.clientHost, options.clientPort);
    scheduler.clientMode = [&host] { return host.clientMode(); };

    // A line error takes the switch off; a lost server connection is reported and the switch
    // stays as it is.
    QObject::connect(&input.serialLink(), &SerialLink::portLost, &input,
                     [&scheduler] { scheduler.receptionFailed(); });
    if (options.showGroups) {
        QObject::connect(&input, &StationInput::refreshed, &input, [&data](std::uint8_t group) {
            const QString line = groupSummaryLine(data.Record, group);
            if (!line.isEmpty())
                printLine(line);
        });
    }

    ProgramLifecycle lifecycle(
        settings, data, scheduler, control, [&] { LoadSettings(settings, host); },
        [&] { return SaveSettings(settings, host); });
    lifecycle.startUp(folder);

    if (!options.replay.isEmpty() && !replay(input, options.replay))
        return 1;
    if (options.activate && !scheduler.isActive())
        host.runAktivCommand();
    for (const QString& action : options.runs)
        runNow(scheduler, action);
    if (options.quit) {
        // One-shot use: a settings file that cannot be written ends the run with an error code.
        return lifecycle.shutDown() ? 0 : 1;
    }

    QTimer status;
    if (options.statusEvery > 0) {
        QObject::connect(&status, &QTimer::timeout, &status,
                         [&scheduler] { printLine(scheduler.titleBar().line()); });
        status.start(options.statusEvery * 1000);
    }

    // Ctrl-C or SIGTERM: the shut-down steps. When the settings cannot be saved the program goes on
    // (the message says why) and a second signal tries again.
    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, &stop, [&lifecycle] {
        if (lifecycle.shutDown())
            QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
