#include "config/profile_settings_model.h"

#include "config/profile_table.h"
#include "config/schedule_list.h"

QStringList ProfileSettingsModel::linesOf(const QString& text) {
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();  // a line break at the end opens no further line
    return lines;
}

QString ProfileSettingsModel::textOf(const QStringList& lines) {
    return lines.join(QLatin1Char('\n'));
}

void ProfileSettingsModel::fill() {
    names.clear();
    for (int n = 1; n <= settings_.ProfileCount; ++n)
        names << settings_.profile(n).Name;
    selected = names.isEmpty() ? -1 : 0;
    if (names.isEmpty())
        showFields(Profile{});
    else
        show();
}

std::vector<FieldProblem> ProfileSettingsModel::problems() const {
    if (!names.isEmpty() && !wieWinGT && !isScheduleTime(uhrzeit))
        return {{QString::fromLatin1(kTimeField),
                 QStringLiteral("Bitte die Zeit im Format hh:mm angeben")}};
    return {};
}

void ProfileSettingsModel::select(int position) {
    if (position < 0 || position >= names.size())
        return;
    selected = position;
    show();
}

QString ProfileSettingsModel::addNew(const QString& name) {
    const QString problem = addProfile(settings_, name);
    if (!problem.isEmpty())
        return problem;
    names << name;
    selected = int(names.size()) - 1;
    return {};
}

void ProfileSettingsModel::deleteSelected() {
    if (names.isEmpty())
        return;
    const int slot = currentSlot();
    deleteProfile(settings_, slot);
    names.removeAt(slot - 1);
    selected = names.isEmpty() ? -1 : 0;
    show();
}

std::optional<FieldProblem> ProfileSettingsModel::apply() {
    if (names.isEmpty())
        return std::nullopt;
    Profile& p = settings_.profile(currentSlot());
    p.Name = names.at(currentSlot() - 1);
    p.Empfaenger = empfaenger;
    p.Absender = absender;
    p.Betreff = betreff;
    p.VOR = linesOf(vorText);
    p.NACH = linesOf(nachText);
    p.WieWinGT = wieWinGT;
    p.Uhrzeit = uhrzeit;
    return std::nullopt;
}

void ProfileSettingsModel::show() {
    if (settings_.ProfileCount == 0)
        return;
    showFields(settings_.profile(currentSlot()));
}

void ProfileSettingsModel::showFields(const Profile& p) {
    empfaenger = p.Empfaenger;
    absender = p.Absender;
    betreff = p.Betreff;
    vorText = textOf(p.VOR);
    nachText = textOf(p.NACH);
    wieWinGT = p.WieWinGT;
    uhrzeit = p.Uhrzeit;
}
