#include "desktop_runner.h"

#include <QDir>
#include <cstdio>

#include "app/ui/desktop_program.h"
#include "base/notifier.h"
#include "base/stop_signals.h"
#include "config/folder_lock.h"
#include "config/program_folder.h"
#include "display/ui/guarded_application.h"
#include "display/ui/message_box_notifier.h"

bool desktopAvailable() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

int runDesktop(int& argc, char** argv) {
    GuardedApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wetterpult"));
    installGermanQtTexts(app);
    AppOptions options;
    QString error;
    if (!parseAppOptions(app.arguments(), &options, &error)) {
        std::fprintf(stderr, "wetterpult: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    const QString folder =
        resolveProgramFolder(options.folder, QCoreApplication::applicationDirPath(), &error);
    if (folder.isEmpty()) {
        std::fprintf(stderr, "wetterpult: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    MessageBoxNotifier messages;
    Notifier::install(&messages);
    FolderLock lock(folder);
    if (!lock.lockOrReport()) {
        Notifier::install(nullptr);
        return 1;
    }
    int result = 0;
    {
        // Taken before the program is built: a stop during the start-up waits for the event loop.
        StopSignals stop;
        DesktopProgram program(options, folder);
        // Ctrl-C, SIGTERM and SIGHUP close the window as its close box does (settings saved first).
        QObject::connect(&stop, &StopSignals::stopRequested, &program.window(), &QWidget::close);
        program.start();
        // --quit: the start-up steps, then at once the shut-down steps.
        result = options.quit ? (program.window().close() ? 0 : 1) : QApplication::exec();
    }
    Notifier::install(nullptr);
    return result;
}
