// The station program: with its windows, or with --headless without them. The command line is
// read first, so a wrong option is named before anything else is looked at.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "app_options.h"
#include "base/command_line.h"
#include "base/local_zone.h"
#include "base/program_version.h"
#include "headless_runner.h"
#ifdef WETTERPULT_HAS_UI
#include "desktop_runner.h"
#endif

int main(int argc, char** argv) {
    // Before any thread: the zone file is read once, not looked at on every local time.
    localzone::pinFile();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    AppOptions options;
    QString error;
    if (!parseAppOptions(arguments, &options, &error))
        return commandline::fail("wetterpult", error);
    if (options.help) {
        std::fputs(kAppHelp, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("wetterpult %s\n", kProgramVersionText);
        return 0;
    }
#ifdef WETTERPULT_HAS_UI
    if (!options.headless) {
        if (!desktopAvailable())
            return commandline::fail(
                "wetterpult",
                QStringLiteral("Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt). Ohne "
                               "Fenster startet Wetterpult mit --headless."));
        return runDesktop(argc, argv);
    }
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wetterpult"));
    return runHeadless(options);
}
