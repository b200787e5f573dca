#include "config/asynop_settings_model.h"

#include "base/app_clock.h"
#include "base/formats.h"
#include "config/folder_path.h"

namespace {

// At most `digits` decimal digits (at least one) of a value up to `maximum`.
bool isTenthsOfDegree(const QString& text, int digits, int maximum) {
    if (text.isEmpty() || text.size() > digits)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return text.toInt() <= maximum;
}

void checkTenths(std::vector<FieldProblem>& problems, const char* field, const QString& text,
                 int digits, int maximum) {
    if (!isTenthsOfDegree(text, digits, maximum))
        problems.push_back({QString::fromLatin1(field), notIntegerMessage(text)});
}

}  // namespace

void AsynopSettingsModel::setSender(const QString& text) {
    if (text == sender_)
        return;
    sender_ = text;
    const QDate today = AppClock::currentDateTime().date();
    subject_ = QStringLiteral("ASYNOP ") + sender_ + QLatin1Char(' ') +
               Formats::german().date(QStringLiteral("dd.mm.yy"), today);
    report_.subject = subject_;
}

void AsynopSettingsModel::fill() {
    const Settings& s = settings_;
    setSender(s.ASYNOPAbsender);
    recipient = s.ASYNOPEmpf;
    report_.subject = subject_;
    fourTimes = s.ASYNOPIntervall;
    const FolderAndFile target = splitFolderAndFile(s.ASYNOPDatei);
    folder = shownFolder(target.folder);
    fileName = target.file;
    lineAbove = s.ASYNOPvor;
    lineBelow = s.ASYNOPnach;
    latitude = s.ASYNOPLat;
    longitude = s.ASYNOPLong;
    quadrant = QString::number(s.ASYNOPErdquadrant);
    monthFolders = s.ASYNOPMonatsordner;
    weekFolders = s.ASYNOPWochenordner;
    workingFile = report_.workingFileText();
    archive = s.ASYNOPArchiv;
}

std::vector<FieldProblem> AsynopSettingsModel::problems() const {
    std::vector<FieldProblem> found;
    if (const QString problem = folderProblem(folder); !problem.isEmpty())
        found.push_back({QString::fromLatin1(kFolderField), problem});
    checkTenths(found, kLatitudeField, latitude, 3, 900);
    checkTenths(found, kLongitudeField, longitude, 4, 1800);
    checkWholeNumber(found, QString::fromLatin1(kQuadrantField), quadrant, 0, 255);
    return found;
}

std::optional<FieldProblem> AsynopSettingsModel::apply() {
    Settings& s = settings_;
    s.ASYNOPDatei = joinFolderAndFile(folder, fileName);
    s.ASYNOPEmpf = recipient;
    s.ASYNOPAbsender = sender_;
    report_.subject = subject_;
    s.ASYNOPIntervall = fourTimes;
    s.ASYNOPnach = lineBelow;
    s.ASYNOPvor = lineAbove;
    s.ASYNOPArchiv = archive;
    s.ASYNOPLat = latitude;
    s.ASYNOPLong = longitude;
    s.ASYNOPErdquadrant = std::uint8_t(*wholeNumber(quadrant, 0, 255));
    s.ASYNOPWochenordner = weekFolders;
    s.ASYNOPMonatsordner = monthFolders;
    return std::nullopt;
}
