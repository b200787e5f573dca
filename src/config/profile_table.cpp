#include "config/profile_table.h"

#include <QStringList>

#include "config/profile_name.h"

QString addProfile(Settings& settings, const QString& name) {
    if (settings.ProfileCount >= kProfileSlots) {
        return QStringLiteral("Es können höchstens %1 Profile angelegt werden.").arg(kProfileSlots);
    }
    QStringList names;
    for (int n = 1; n <= settings.ProfileCount; ++n)
        names << settings.profile(n).Name;
    const QString problem = profileNameProblem(name, names);
    if (!problem.isEmpty())
        return problem;
    ++settings.ProfileCount;
    Profile& p = settings.profile(settings.ProfileCount);
    p = Profile{};
    p.Name = name;
    return {};
}

void deleteProfile(Settings& settings, int slot) {
    const int count = settings.ProfileCount;
    if (slot < 1 || slot > count)
        return;
    for (int n = slot; n < count; ++n)
        settings.profile(n) = settings.profile(n + 1);
    settings.profile(count) = Profile{};
    --settings.ProfileCount;
}
