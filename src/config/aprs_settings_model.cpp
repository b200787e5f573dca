#include "config/aprs_settings_model.h"

#include <QFile>
#include <limits>

#include "base/text_file.h"
#include "config/folder_path.h"

namespace {
// More than an APRS frame ever holds; a file named by mistake is not read whole.
constexpr qint64 kFrameBytes = 64 * 1024;

QString readFrame(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = textfile::fromWindows1252(file.read(kFrameBytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}
}  // namespace

void AprsSettingsModel::fill() {
    if (writeAprsFile_)
        writeAprsFile_();
    const Settings& s = settings_;
    computerTime = s.APRSRechnerZeit;
    const FolderAndFile parts = splitFolderAndFile(s.APRSDatei);
    folder = parts.folder;
    fileName = parts.file;
    interval = QString::number(s.APRSIntervall);
    frame = readFrame(s.APRSDatei);
}

std::vector<FieldProblem> AprsSettingsModel::problems() const {
    std::vector<FieldProblem> found;
    if (const QString problem = folderProblem(folder); !problem.isEmpty())
        found.push_back({QString::fromLatin1(kFolderField), problem});
    checkWholeNumber(found, QString::fromLatin1(kIntervalField), interval, 0,
                     std::numeric_limits<std::uint16_t>::max());
    return found;
}

std::optional<FieldProblem> AprsSettingsModel::apply() {
    Settings& s = settings_;
    s.APRSRechnerZeit = computerTime;
    // Without a folder the file goes to the program folder, not wherever the program was started.
    s.APRSDatei = joinFolderAndFile(folder.isEmpty() ? s.ProgramFolder : folder, fileName);
    s.APRSIntervall = std::uint16_t(*wholeNumber(interval, 0, 65535));
    return std::nullopt;
}
