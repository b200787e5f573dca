#include "config/wingt_settings_model.h"

#include <algorithm>

#include "config/folder_path.h"
#include "config/schedule_list.h"

const QString WinGTSettingsModel::kTimeWarning =
    QStringLiteral("Bitte die Zeiten im Format hhmm angeben");

namespace {
const QString kImport = QStringLiteral("Import");
const QString kRead = QStringLiteral("Read");

QStringList sorted(QStringList times) {
    std::sort(times.begin(), times.end());
    return times;
}
}  // namespace

void WinGTSettingsModel::fill() {
    import.folder = settings_.WinGTImport;
    read.folder = settings_.WinGTRead;
    import.entry.clear();
    read.entry.clear();
    import.manual = settings_.ImportManuell;
    read.manual = settings_.ReadManuell;
    import.nextTime = scheduler_.nextImportTime();
    read.nextTime = scheduler_.nextReadTime();
    read.times = sorted(ReadScheduleList(settings_, kRead));
    import.times = sorted(ReadScheduleList(settings_, kImport));
    readMinute_ = settings_.ReadMinute;
}

void WinGTSettingsModel::setReadManual(bool on) {
    read.manual = on && !readMinute_;
}

void WinGTSettingsModel::setReadMinute(bool on) {
    readMinute_ = on && !read.manual;
}

QString WinGTSettingsModel::addTime(Page& page) {
    const QString hhmm = page.entry;
    page.entry.clear();
    const QString time = hhmm.left(2) + QLatin1Char(':') + hhmm.mid(2);
    if (hhmm.size() != 4 || !isScheduleTime(time))
        return kTimeWarning;
    if (page.times.size() >= kMaxScheduleTimes)
        return scheduleListFullMessage();
    page.times.insert(std::upper_bound(page.times.begin(), page.times.end(), time), time);
    return {};
}

int WinGTSettingsModel::removeTime(Page& page, int index) {
    if (index < 0 || index >= page.times.size())
        return -1;
    page.times.removeAt(index);
    return index < page.times.size() ? index : -1;
}

std::vector<FieldProblem> WinGTSettingsModel::problems() const {
    std::vector<FieldProblem> found;
    if (const QString problem = folderProblem(import.folder); !problem.isEmpty())
        found.push_back({QString::fromLatin1(kImportFolderField), problem});
    if (const QString problem = folderProblem(read.folder); !problem.isEmpty())
        found.push_back({QString::fromLatin1(kReadFolderField), problem});
    return found;
}

std::optional<FieldProblem> WinGTSettingsModel::apply() {
    if (!WriteScheduleLists(settings_, {{kImport, import.times}, {kRead, read.times}}))
        return FieldProblem{};  // the message has been shown; nothing is taken
    settings_.WinGTImport = withTrailingSlash(import.folder);
    settings_.WinGTRead = withTrailingSlash(read.folder);
    settings_.ReadMinute = readMinute_;
    settings_.ReadManuell = read.manual;
    settings_.ImportManuell = import.manual;
    scheduler_.updateNextTimes();
    return std::nullopt;
}
