#include "publish/upload_settings_model.h"

#include <QUrl>

#include "publish/cwop_packet.h"

void UploadSettingsModel::fill() {
    read(settings_);
}

Settings UploadSettingsModel::tried() const {
    Settings s = settings_;
    write(s);
    return s;
}

std::optional<FieldProblem> UploadSettingsModel::apply() {
    write(settings_);
    return std::nullopt;
}

QString UploadSettingsModel::text(const char* id) const {
    for (const UploadField& field : fields)
        if (qstrcmp(field.id, id) == 0)
            return field.text.trimmed();
    return {};
}

void UploadSettingsModel::set(const char* id, const QString& value) {
    for (UploadField& field : fields)
        if (qstrcmp(field.id, id) == 0)
            field.text = value;
}

CwopSettingsModel::CwopSettingsModel(Settings& settings)
    : UploadSettingsModel(settings, QStringLiteral("CWOP / APRS-IS"), QStringLiteral("cwop"),
                          {{"Rufzeichen", QStringLiteral("Rufzeichen oder CW/DW-Nummer")},
                           {"Passcode", QStringLiteral("Passcode (-1 für CW/DW)"), true},
                           {"APRSISServer", QStringLiteral("Server")},
                           {"APRSISPort", QStringLiteral("Port")},
                           {"APRSISIntervall", QStringLiteral("Intervall (min)")}}) {}

void CwopSettingsModel::read(const Settings& s) {
    active = s.APRSISAktiv;
    set("Rufzeichen", s.Rufzeichen);
    set("Passcode", s.Passcode);
    set("APRSISServer", s.APRSISServer);
    set("APRSISPort", QString::number(s.APRSISPort));
    set("APRSISIntervall", QString::number(s.APRSISIntervall));
}

std::vector<FieldProblem> CwopSettingsModel::problems() const {
    std::vector<FieldProblem> found;
    if (text("Rufzeichen").isEmpty() || text("Rufzeichen").contains(QLatin1Char(' ')))
        found.push_back({QStringLiteral("Rufzeichen"),
                         QStringLiteral("Bitte das Rufzeichen oder die CW/DW-Nummer angeben.")});
    if (!aprsIsPasscode(text("Passcode")))
        found.push_back({QStringLiteral("Passcode"),
                         QStringLiteral("Der Passcode muss -1 (CW/DW-Station) oder eine Zahl von "
                                        "0 bis 32767 sein.")});
    if (text("APRSISServer").isEmpty())
        found.push_back({QStringLiteral("APRSISServer"),
                         QStringLiteral("Bitte den Namen des APRS-IS-Servers angeben.")});
    checkWholeNumber(found, QStringLiteral("APRSISPort"), text("APRSISPort"), 1, 65535);
    if (!wholeNumber(text("APRSISIntervall"), kAprsIsLeastInterval, 60))
        found.push_back({QStringLiteral("APRSISIntervall"),
                         QStringLiteral("Das Intervall muss zwischen %1 und 60 Minuten liegen "
                                        "(CWOP nimmt höchstens alle %1 Minuten ein Paket).")
                             .arg(kAprsIsLeastInterval)});
    return found;
}

void CwopSettingsModel::write(Settings& s) const {
    s.APRSISAktiv = active;
    s.Rufzeichen = text("Rufzeichen").toUpper();
    s.Passcode = text("Passcode");
    s.APRSISServer = text("APRSISServer");
    s.APRSISPort = wholeNumber(text("APRSISPort"), 1, 65535).value_or(s.APRSISPort);
    s.APRSISIntervall =
        wholeNumber(text("APRSISIntervall"), kAprsIsLeastInterval, 60).value_or(s.APRSISIntervall);
}

WuSettingsModel::WuSettingsModel(Settings& settings)
    : UploadSettingsModel(settings, QStringLiteral("Weather Underground"), QStringLiteral("wu"),
                          {{"WUStation", QStringLiteral("Stations-ID")},
                           {"WUSchluessel", QStringLiteral("Stationsschlüssel"), true},
                           {"WUIntervall", QStringLiteral("Intervall (min)")},
                           {"WUAdresse", QStringLiteral("Upload-Adresse")}}) {}

void WuSettingsModel::read(const Settings& s) {
    active = s.WUAktiv;
    set("WUStation", s.WUStation);
    set("WUSchluessel", s.WUSchluessel);
    set("WUIntervall", QString::number(s.WUIntervall));
    set("WUAdresse", s.WUAdresse);
}

std::vector<FieldProblem> WuSettingsModel::problems() const {
    std::vector<FieldProblem> found;
    if (text("WUStation").isEmpty())
        found.push_back(
            {QStringLiteral("WUStation"), QStringLiteral("Bitte die Stations-ID angeben.")});
    if (text("WUSchluessel").isEmpty())
        found.push_back({QStringLiteral("WUSchluessel"),
                         QStringLiteral("Bitte den Stationsschlüssel angeben.")});
    if (!wholeNumber(text("WUIntervall"), kWuLeastInterval, 60))
        found.push_back({QStringLiteral("WUIntervall"),
                         QStringLiteral("Das Intervall muss zwischen %1 und 60 Minuten liegen.")
                             .arg(kWuLeastInterval)});
    const QUrl address(text("WUAdresse"));
    if (!address.isValid() || address.host().isEmpty() ||
        (address.scheme() != QLatin1String("https") && address.scheme() != QLatin1String("http")))
        found.push_back({QStringLiteral("WUAdresse"),
                         QStringLiteral("Die Upload-Adresse muss mit https:// beginnen.")});
    return found;
}

void WuSettingsModel::write(Settings& s) const {
    s.WUAktiv = active;
    s.WUStation = text("WUStation");
    s.WUSchluessel = text("WUSchluessel");
    s.WUIntervall = wholeNumber(text("WUIntervall"), kWuLeastInterval, 60).value_or(s.WUIntervall);
    s.WUAdresse = text("WUAdresse");
}
