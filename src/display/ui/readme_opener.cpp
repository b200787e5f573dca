#include "display/ui/readme_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "base/notifier.h"

QString readmePath(const QString& programDir) {
    const QDir dir(programDir);
    const QString beside = dir.filePath(QStringLiteral("readme.htm"));
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/doc/wetterpult/readme.htm")));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return installed;
    return beside;
}

bool openReadme(const QString& path) {
    if (!QFileInfo::exists(path)) {
        notify(QStringLiteral("ReadMe"), QStringLiteral("Die Anleitung wurde nicht gefunden."),
               MessageButtons::Ok, path);
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        notify(QStringLiteral("ReadMe"),
               QStringLiteral("Die Anleitung konnte nicht geöffnet werden: es ist kein Browser "
                              "eingerichtet."),
               MessageButtons::Ok, path);
        return false;
    }
    return true;
}
