#include "config/schedule_list.h"

#include <QTime>
#include <optional>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "config/ini_file.h"
#include "config/settings_file.h"

namespace {

QString sectionOf(const QString& listName) {
    return listName + QStringLiteral("Schedule");
}

std::optional<QTime> timeOf(const QString& text) {
    if (!isScheduleTime(text))
        return std::nullopt;
    return QTime(text.left(2).toInt(), text.mid(3, 2).toInt());
}

IniFile readFile(const Settings& settings) {
    IniFile ini;
    ini.load(settingsFilePath(settings));  // unreadable reads as empty: the defaults apply
    return ini;
}

}  // namespace

QString scheduleListFullMessage() {
    return QStringLiteral("Eine Zeitliste kann höchstens %1 Zeiten enthalten.")
        .arg(kMaxScheduleTimes);
}

bool isScheduleTime(const QString& text) {
    if (text.size() != 5 || text.at(2) != QLatin1Char(':'))
        return false;
    for (int i : {0, 1, 3, 4}) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    return text.left(2).toInt() < 24 && text.mid(3, 2).toInt() < 60;
}

QString NextScheduleTime(const Settings& settings, const QString& listName) {
    const QTime now = AppClock::currentDateTime().time();
    std::optional<QTime> earliest;
    std::optional<QTime> next;
    for (const QString& value : readFile(settings).values(sectionOf(listName))) {
        // The time is the last five characters of the value.
        const auto t = timeOf(value.right(5));
        if (!t)
            continue;  // a hand-edited value that is no time never stops the schedule
        if (!earliest || *t < *earliest)
            earliest = t;
        if (*t > now && (!next || *t < *next))
            next = t;
    }
    const std::optional<QTime> due = next ? next : earliest;
    return due ? due->toString(QStringLiteral("HH:mm")) : QStringLiteral("00:00");
}

QStringList ReadScheduleList(const Settings& settings, const QString& listName) {
    const IniFile ini = readFile(settings);
    const QString section = sectionOf(listName);
    const int count = std::min<int>(int(ini.keys(section).size()), kMaxScheduleTimes);
    QStringList times;
    for (int n = 0; n < count; ++n) {
        times << ini.readString(section, QStringLiteral("Time%1").arg(n), QStringLiteral("12:00"));
    }
    return times;
}

bool WriteScheduleList(const Settings& settings, const QStringList& times,
                       const QString& listName) {
    return WriteScheduleLists(settings, {{listName, times}});
}

bool WriteScheduleLists(const Settings& settings, const std::vector<NamedSchedule>& lists) {
    for (const auto& [name, times] : lists) {
        if (times.size() > kMaxScheduleTimes) {
            reportError(scheduleListFullMessage());
            return false;
        }
    }
    const QString path = settingsFilePath(settings);
    IniFile ini;
    QString reason;
    if (!ini.load(path, &reason)) {
        reportCannotWrite(path, reason);
        return false;
    }
    for (const auto& [name, times] : lists) {
        const QString section = sectionOf(name);
        ini.eraseSection(section);
        for (int n = 0; n < times.size(); ++n) {
            if (!times.at(n).isEmpty())
                ini.writeString(section, QStringLiteral("Time%1").arg(n), times.at(n));
        }
    }
    if (!ini.save(path, &reason)) {
        reportCannotWrite(path, reason);
        return false;
    }
    return true;
}
