#include "config/general_settings_model.h"

#include "base/app_clock.h"
#include "config/time_zone.h"

const QStringList& GeneralSettingsModel::timeZones() {
    static const QStringList zones = {"+12", "+11", "+10", "+09", "+08",   "+07", "+06",
                                      "+05", "+04", "+03", "+02", "+01",   "0",   "-01",
                                      "-02", "-03", "-04", "-05", "-06",   "-07", "-08",
                                      "-09", "-10", "-11", "-12", "System"};
    return zones;
}

void GeneralSettingsModel::fill() {
    const Settings& s = settings_;
    autoImport = s.autoImport;
    autoRead = s.autoRead;
    autoLog = s.autoLog;
    autoAPRS = s.autoAPRS;
    eofMark = s.EOFKennung;
    normalGauge = s.NormalRegen;
    heatedGauge = s.regnBeheizt;
    const QStringList& zones = timeZones();
    if (s.ZeitzoneIndex < zones.size()) {
        timeZone = zones.at(s.ZeitzoneIndex);
        return;
    }
    // A position beyond the list (a hand-edited file): the entry of the stored offset, else "+01".
    timeZone = zones.at(11);
    for (const QString& zone : zones.mid(0, kSystemZoneIndex))
        if (zone.toInt() == s.Zeitzone)
            timeZone = zone;
}

std::vector<FieldProblem> GeneralSettingsModel::problems() const {
    // Only the list's own entries can be taken: a typed text that is none of them is refused.
    if (!timeZones().contains(timeZone))
        return {{QString::fromLatin1(kTimeZoneField), notIntegerMessage(timeZone)}};
    return {};
}

std::optional<FieldProblem> GeneralSettingsModel::apply() {
    Settings& s = settings_;
    s.NormalRegen = normalGauge;
    s.autoImport = autoImport;
    s.autoRead = autoRead;
    s.autoLog = autoLog;
    s.autoAPRS = autoAPRS;
    s.EOFKennung = eofMark;
    s.ZeitzoneIndex = std::uint8_t(timeZones().indexOf(timeZone));
    // "System": the key Zeitzone keeps the system zone's present offset for readers of the file.
    s.Zeitzone =
        followsSystemZone(s) ? systemZoneHours(AppClock::currentDateTime()) : timeZone.toInt();
    s.regnBeheizt = heatedGauge;
    return std::nullopt;
}
