#include "display/ui/guarded_application.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

#include "base/notifier.h"

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    return runGuarded([&] { return QApplication::notify(receiver, event); });
}

bool runGuarded(const std::function<bool()>& handler) {
    try {
        return handler();
    } catch (const std::exception& e) {
        reportError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reportError(QStringLiteral("Unbekannter Fehler"));
    }
    return false;
}

void installGermanQtTexts(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;
}
