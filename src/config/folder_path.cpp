#include "config/folder_path.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QChar kSlash = QLatin1Char('/');
}

QString joinFolderAndFile(const QString& folder, const QString& file) {
    if (folder.isEmpty() || folder.endsWith(kSlash))
        return folder + file;
    return folder + kSlash + file;
}

FolderAndFile splitFolderAndFile(const QString& path) {
    const qsizetype slash = path.lastIndexOf(kSlash);
    return {path.left(slash + 1), path.mid(slash + 1)};
}

QString withTrailingSlash(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(kSlash))
        return folder;
    return folder + kSlash;
}

QString shownFolder(const QString& folder) {
    if (folder.isEmpty())
        return folder;
    // cleanPath drops a trailing "/" and keeps the root as "/".
    return QDir::cleanPath(folder);
}

QString folderProblem(const QString& folder) {
    if (folder.trimmed().isEmpty())
        return {};
    const QFileInfo info(folder);
    if (info.isDir())
        return {};
    if (info.exists())
        return QStringLiteral("Der Ordner %1 ist eine Datei, kein Ordner.").arg(folder);
    // The nearest part of the path that exists decides whether the rest can be created.
    QString above = QDir::cleanPath(info.absoluteFilePath());
    while (!QFileInfo::exists(above) && above.lastIndexOf(QLatin1Char('/')) > 0)
        above.truncate(above.lastIndexOf(QLatin1Char('/')));
    const QFileInfo base(QFileInfo::exists(above) ? above : QStringLiteral("/"));
    QString reason;
    if (!base.isDir())
        reason = QStringLiteral("%1 ist eine Datei").arg(base.filePath());
    else if (!base.isWritable())
        reason = QStringLiteral("keine Schreibberechtigung in %1").arg(base.filePath());
    else
        return {};
    return QStringLiteral("Der Ordner %1 existiert nicht und kann nicht angelegt werden: %2.")
        .arg(folder, reason);
}
