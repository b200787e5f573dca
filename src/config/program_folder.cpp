#include "config/program_folder.h"

#include <QDir>
#include <QFileInfo>

#include "base/text_file.h"

namespace {
QString withSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
}  // namespace

QString resolveProgramFolder(const QString& optionFolder, const QString& executableFolder) {
    if (!optionFolder.isEmpty()) {
        const QString folder = QDir(optionFolder).absolutePath();
        textfile::makeFolder(folder);
        return withSlash(folder);
    }
    const QFileInfo exe(executableFolder);
    if (!executableFolder.isEmpty() && exe.isDir() && exe.isWritable())
        return withSlash(exe.absoluteFilePath());
    const QString home = QDir::homePath() + QStringLiteral("/.local/share/wetterpult");
    textfile::makeFolder(home);
    return withSlash(home);
}
