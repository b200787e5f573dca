#include "config/folder_path.h"

#include <QDir>

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
