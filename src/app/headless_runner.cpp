#include "headless_runner.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "base/notifier.h"
#include "base/stop_signals.h"
#include "config/program_folder.h"
#include "program/station_program.h"
#include "station/group_summary.h"
#include "station/station_input.h"

namespace {

void printLine(const QString& line) {
    std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
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

    StationProgram program;
    if (!options.port.isEmpty())
        program.links.overridePort(options.port);
    if (!options.clientHost.isEmpty())
        program.links.overrideServer(options.clientHost, options.clientPort);
    if (options.showGroups) {
        QObject::connect(&program.input, &StationInput::refreshed, &program.input,
                         [&program](std::uint8_t group) {
                             const QString line = groupSummaryLine(program.data.Record, group);
                             if (!line.isEmpty())
                                 printLine(line);
                         });
    }
    ProgramLifecycle& lifecycle = program.lifecycle;
    Scheduler& scheduler = program.scheduler;
    lifecycle.startUp(folder);

    if (!options.replay.isEmpty() && !replay(program.input, options.replay))
        return 1;
    if (options.activate && !scheduler.isActive())
        program.links.runAktivCommand();
    for (const QString& action : options.runs)
        program.runNow(action);
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
