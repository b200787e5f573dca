#include "config/weather_log_settings_model.h"

#include "config/folder_path.h"

void WeatherLogSettingsModel::fill() {
    const Settings& s = settings_;
    folder = s.LogOrdner;
    newFile = s.LogUpdate <= 2 ? s.LogUpdate : 0;
    weekFolders = s.LogWochenordner;
    monthFolders = s.LogMonatsordner;
    combineFiles = s.LogUnterordner;
    catchPeak = s.CatchPeak;
    minutes = QString::number(host_.logInterval() / 60000);
}

std::vector<FieldProblem> WeatherLogSettingsModel::problems() const {
    std::vector<FieldProblem> found;
    if (!minutes.isEmpty())
        checkWholeNumber(found, QString::fromLatin1(kMinutesField), minutes, 0, kMaxMinutes);
    if (const QString problem = folderProblem(folder); !problem.isEmpty())
        found.push_back({QString::fromLatin1(kFolderField), problem});
    return found;
}

std::optional<FieldProblem> WeatherLogSettingsModel::apply() {
    if (minutes.isEmpty())
        minutes = QStringLiteral("0");
    // A period of 0 stops the log timer, any other starts it with that period.
    host_.setLogInterval(*wholeNumber(minutes, 0, kMaxMinutes) * 60000);
    Settings& s = settings_;
    s.LogUpdate = std::uint8_t(newFile);
    s.LogOrdner = folder;
    s.LogWochenordner = weekFolders;
    s.LogMonatsordner = monthFolders;
    s.LogUnterordner = combineFiles;
    s.CatchPeak = catchPeak;
    return std::nullopt;
}
