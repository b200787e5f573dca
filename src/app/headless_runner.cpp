#include "headless_runner.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "archive/capture_year.h"
#include "archive_commands.h"
#include "base/app_clock.h"
#include "base/formats.h"
#include "base/notifier.h"
#include "base/stop_signals.h"
#include "config/folder_lock.h"
#include "config/program_folder.h"
#include "program/capture_replay.h"
#include "program/service_notify.h"
#include "program/station_program.h"
#include "station/group_summary.h"
#include "station/station_input.h"

namespace {

void printTo(std::FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stream);
}

void printLine(const QString& line) {
    printTo(stdout, line);
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
    if (options.archiveCommand())
        return runArchiveCommand(folder, options);
    // Ctrl-C, SIGTERM and SIGHUP are taken from here on, before any step that can take time (the
    // start-up steps, "Aktiv" connecting): a stop in that window waits for the event loop and
    // then shuts down in order instead of ending the program with its settings unsaved.
    StopSignals stop;
    FolderLock lock(folder);
    if (!lock.lockOrReport())
        return 1;

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
    if (options.clockFromStream) {
        // Without a year given, a capture file is read through once for the year its clock
        // begins in, so that it ends in the past (today's date a year ago begins a year ago).
        const QDateTime now = AppClock::currentDateTime();
        int year = options.streamYear;
        if (year == 0 && !options.replay.isEmpty())
            year = captureStartYear(options.replay, now);
        program.archive.useStreamClock(now, year);
    }
    ProgramLifecycle& lifecycle = program.lifecycle;
    Scheduler& scheduler = program.scheduler;
    lifecycle.startUp(folder);

    // After the start-up (and a replayed capture): "Aktiv", the run-now commands, and for one-shot
    // use the shut-down steps; a settings file that cannot be written then ends with an error code.
    auto commandLineSteps = [&] {
        if (options.activate && !scheduler.isActive())
            program.links.runAktivCommand();
        for (const QString& action : options.runs)
            program.runNow(action);
        return !options.quit || lifecycle.shutDown();
    };
    CaptureReplay replay([&program](QByteArrayView chunk) { program.input.road().feed(chunk); });
    if (options.replay.isEmpty()) {
        const bool saved = commandLineSteps();
        if (options.quit)
            return saved ? 0 : 1;
    } else {
        QString failure;
        if (!replay.start(options.replay, &failure)) {
            reportError(failure);
            return 1;
        }
        // A replay by the stream's own clock fills the archive with its minutes, perhaps a year's:
        // it tells its progress and at the end how many minutes went in. (Replayed by the
        // computer's clock, a capture passes in seconds and fills a minute or two.)
        if (options.clockFromStream)
            QObject::connect(&replay, &CaptureReplay::progress, &replay, [](int percent) {
                printTo(stderr, QStringLiteral("Wiedergabe: %1 %").arg(percent));
            });
        QObject::connect(&replay, &CaptureReplay::finished, &replay, [&] {
            if (options.clockFromStream) {
                program.archive.endOfStream();
                const qint64 minutes = program.archive.minutesHanded();
                printTo(stderr, QStringLiteral("Wiedergabe beendet: %1 %2 übernommen")
                                    .arg(Formats::grouped(minutes),
                                         minutes == 1 ? QStringLiteral("Minute")
                                                      : QStringLiteral("Minuten")));
            }
            const bool saved = commandLineSteps();
            if (options.quit)
                QCoreApplication::exit(saved ? 0 : 1);
        });
    }

    QTimer status;
    if (options.statusEvery > 0) {
        QObject::connect(&status, &QTimer::timeout, &status, [&program] {
            QString line = program.title.bar().line();
            const QString mqtt = program.mqtt.statusText();
            if (!mqtt.isEmpty())
                line += QStringLiteral("  ") + mqtt;
            const QString uploads = program.uploads.statusLine();
            if (!uploads.isEmpty())
                line += QStringLiteral("  ") + uploads;
            const QString web = program.web.statusText();
            if (!web.isEmpty())
                line += QStringLiteral("  ") + web;
            printLine(line);
        });
        status.start(options.statusEvery * 1000);
    }

    // Ctrl-C, SIGTERM or SIGHUP: the shut-down steps. When the settings cannot be saved the program
    // goes on (the message says why) and a second signal tries again.
    ServiceNotify service;
    QObject::connect(&stop, &StopSignals::stopRequested, &stop, [&lifecycle, &service] {
        service.stopping();
        if (lifecycle.shutDown())
            QCoreApplication::quit();
    });
    // As a systemd service: started; the watchdog is petted from the event loop from here on.
    service.ready();
    return QCoreApplication::exec();
}
