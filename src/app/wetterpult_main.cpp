// The desktop program; until its windows exist it runs only headless.
#include <QCoreApplication>
#include <cstdio>

#include "app_options.h"
#include "headless_runner.h"

int main(int argc, char** argv) {
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
