// The station program: with its windows, or with --headless (or --help) without them.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "app_options.h"
#include "headless_runner.h"
#ifdef WETTERPULT_HAS_UI
#include "desktop_runner.h"
#endif

namespace {
bool hasArgument(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return true;
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    const bool windowless =
        hasArgument(argc, argv, "--headless") || hasArgument(argc, argv, "--help");
#ifdef WETTERPULT_HAS_UI
    if (!windowless) {
        if (!desktopAvailable()) {
            std::fputs(
                "wetterpult: Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt). Ohne "
                "Fenster startet Wetterpult mit --headless.\n",
                stderr);
            return 2;
        }
        return runDesktop(argc, argv);
    }
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wetterpult"));
    AppOptions options;
    QString error;
    if (!parseAppOptions(app.arguments(), &options, &error)) {
        std::fprintf(stderr, "wetterpult: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    if (options.help) {
        std::fputs(kAppHelp, stdout);
        return 0;
    }
    return runHeadless(options);
}
