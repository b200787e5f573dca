#include "config/program_folder.h"

#include <QDir>
#include <QFileInfo>

#include "base/text_file.h"

namespace {

QString withSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString madeFolder(const QString& folder, QString* error) {
    const QString absolute = QDir(folder).absolutePath();
    if (!textfile::makeFolder(absolute) || !QFileInfo(absolute).isDir()) {
        if (error)
            *error = QStringLiteral("Der Ordner %1 kann nicht angelegt werden").arg(absolute);
        return {};
    }
    return withSlash(absolute);
}

}  // namespace

QString userDataFolder() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    const QString base =
        QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + QStringLiteral("/.local/share");
    return withSlash(QDir::cleanPath(base + QStringLiteral("/wetterpult")));
}

QString resolveProgramFolder(const QString& folderOption, const QString& executableFolder,
                             QString* error) {
    if (!folderOption.isEmpty())
        return madeFolder(folderOption, error);
    const QFileInfo exe(executableFolder);
    if (!executableFolder.isEmpty() && exe.isDir() && exe.isWritable()) {
        return withSlash(exe.absoluteFilePath());
    }
    return madeFolder(userDataFolder(), error);
}
