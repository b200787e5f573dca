#include "config/settings_file.h"

#include <QFile>
#include <algorithm>
#include <vector>

#include "base/notifier.h"
#include "base/text_file.h"
#include "config/comma_text.h"

namespace {

const QString kWindowPos = QStringLiteral("WindowPos");
const QString kAlles = QStringLiteral("Alles");
const QString kWinGT = QStringLiteral("WinGT");
const QString kClientServer = QStringLiteral("ClientServer");
const QString kWetterlog = QStringLiteral("Wetterlog");
const QString kAsynop = QStringLiteral("ASYNOP");
const QString kArchiv = QStringLiteral("Archiv");
const QString kMqtt = QStringLiteral("MQTT");
const QString kFarben = QStringLiteral("Farben");
const QString kSchriften = QStringLiteral("Schriften");
const QString kProfile = QStringLiteral("Profile");

// Defaults of the values the settings host holds.
const QString kDefaultComport = QStringLiteral("COM2");
const QString kDefaultRemoteIP = QStringLiteral("127.0.0.1");
constexpr int kDefaultRemotePort = 6980;
constexpr int kDefaultLogInterval = 0;
constexpr int kDefaultFontSize = 8;
constexpr WinColor kDefaultFontColor = 8;

// Defaults of a profile read from its section.
const QString kDefaultText = QStringLiteral("nix");

QString panelKey(int panel, const char* suffix = "") {
    return QStringLiteral("Group%1%2").arg(panel).arg(QLatin1String(suffix));
}

QString profileKey(int n) {
    return QStringLiteral("Profil%1").arg(n);
}

const QString& empfaengerKey() {
    static const QString key = QStringLiteral("Empfänger");
    return key;
}

void readProfile(const IniFile& ini, const QString& name, Profile& p) {
    const Profile defaults;
    p.Name = name;
    p.Empfaenger = ini.readString(name, empfaengerKey(), QString());
    p.Absender = ini.readString(name, QStringLiteral("Absender"), QString());
    p.Betreff = ini.readString(name, QStringLiteral("Betreff"), QString());
    p.VOR = fromCommaText(ini.readString(name, QStringLiteral("VOR"), kDefaultText));
    p.NACH = fromCommaText(ini.readString(name, QStringLiteral("NACH"), kDefaultText));
    p.WieWinGT = ini.readBool(name, QStringLiteral("WieWinGT"), defaults.WieWinGT);
    p.Uhrzeit = ini.readString(name, QStringLiteral("Uhrzeit"), defaults.Uhrzeit);
}

// The profiles Profil1 ... Profil<MaxProfil>. A profile without a name (its key deleted or empty)
// cannot stand as a section and would be written back as "[]": it is dropped, the profiles behind
// it move up, and one message says how many were dropped.
void readProfiles(const IniFile& ini, Settings& s, const QString& path) {
    // A count beyond the table (or one that does not fit 8 bits) never reaches past its 100 slots.
    const int count =
        std::clamp(ini.readInteger(kProfile, QStringLiteral("MaxProfil"), 0), 0, kProfileSlots);
    int last = 0;
    for (int n = 1; n <= count; ++n)
        if (ini.hasKey(kProfile, profileKey(n)))
            last = n;
    int kept = 0;
    for (int n = 1; n <= last; ++n) {
        const QString name = ini.readString(kProfile, profileKey(n), QString());
        if (!name.isEmpty())
            readProfile(ini, name, s.profile(++kept));
    }
    for (int n = kept + 1; n <= kProfileSlots; ++n)
        s.profile(n) = Profile{};
    s.ProfileCount = std::uint8_t(kept);
    const int dropped = last - kept;
    if (dropped == 1)
        reportError(
            QStringLiteral("In %1 steht 1 Profil ohne Namen; es wird übergangen.").arg(path));
    else if (dropped > 1)
        reportError(QStringLiteral("In %1 stehen %2 Profile ohne Namen; sie werden übergangen.")
                        .arg(path)
                        .arg(dropped));
}

// The log timer's period: 0 switches it off; any other period is at least a minute (a period of
// a millisecond wrote thousands of lines a second).
int logIntervalFrom(int milliseconds) {
    constexpr int kMinute = 60000;
    return milliseconds == 0 ? 0 : std::max(milliseconds, kMinute);
}

// Hours local time is ahead of UTC: -12 ... +12; anything else counts as 0, with a message.
int timeZoneFrom(int hours, const QString& path) {
    if (hours >= -12 && hours <= 12)
        return hours;
    reportError(QString::fromUtf8("Zeitzone=%1 in %2 liegt nicht zwischen -12 und +12; es gilt 0.")
                    .arg(hours)
                    .arg(path));
    return 0;
}

// A number outside what its key can hold (a hand-edited file) is read as the key's default, with
// one message naming the key; stored as it stands it would wrap round (-5 minutes as 65531).
int readInRange(const IniFile& ini, const QString& section, const QString& key, int def, int low,
                int high, const QString& path) {
    const int value = ini.readInteger(section, key, def);
    if (value >= low && value <= high)
        return value;
    reportError(QString::fromUtf8("%1=%2 in %3 liegt nicht zwischen %4 und %5; es gilt %6.")
                    .arg(key)
                    .arg(value)
                    .arg(path)
                    .arg(low)
                    .arg(high)
                    .arg(def));
    return def;
}

// Creates the file when missing and allows only its owner to read and write it. The new file that
// replaces it keeps these permissions.
bool makeOwnerOnly(const QString& path, QString* reason) {
    QFile file(path);
    if (!file.exists() && !file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    file.close();
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

}  // namespace

QString settingsFilePath(const Settings& settings) {
    return settings.ProgramFolder + QLatin1String(kSettingsFileName);
}

QString cannotWriteMessage(const QString& path) {
    return QStringLiteral("In %1 kann nicht geschrieben werden").arg(path);
}

void reportCannotWrite(const QString& path, const QString& reason) {
    notify(QStringLiteral("Wetterpult"), cannotWriteMessage(path), MessageButtons::Ok,
           textfile::failureDetails(path, reason));
}

void applySettings(const IniFile& ini, Settings& s, SettingsHost& host) {
    Settings d;  // the defaults, with the paths of this program folder
    d.setProgramFolder(s.ProgramFolder);
    const QString path = settingsFilePath(s);

    const WindowBounds bounds;
    host.setWindowBounds({ini.readInteger(kWindowPos, QStringLiteral("Height"), bounds.height),
                          ini.readInteger(kWindowPos, QStringLiteral("Width"), bounds.width),
                          ini.readInteger(kWindowPos, QStringLiteral("Top"), bounds.top),
                          ini.readInteger(kWindowPos, QStringLiteral("Left"), bounds.left)});

    host.setRemotePort(readInRange(ini, kClientServer, QStringLiteral("RemotePort"),
                                   kDefaultRemotePort, 0, 65535, path));
    host.setRemoteAddress(
        ini.readString(kClientServer, QStringLiteral("RemoteIP"), kDefaultRemoteIP));
    s.ClientActive = ini.readBool(kClientServer, QStringLiteral("ClientActive"), d.ClientActive);

    s.WinGTImport = ini.readString(kWinGT, QStringLiteral("WinGTImport"), d.WinGTImport);
    s.WinGTRead = ini.readString(kWinGT, QStringLiteral("WinGTRead"), d.WinGTRead);
    s.ReadManuell = ini.readBool(kWinGT, QStringLiteral("ReadManuell"), d.ReadManuell);
    s.ImportManuell = ini.readBool(kWinGT, QStringLiteral("ImportManuell"), d.ImportManuell);
    s.ReadMinute = ini.readBool(kWinGT, QStringLiteral("ReadMinute"), d.ReadMinute);

    s.LogMonatsordner =
        ini.readBool(kWetterlog, QStringLiteral("LogMonatsordner"), d.LogMonatsordner);
    s.LogWochenordner =
        ini.readBool(kWetterlog, QStringLiteral("LogWochenordner"), d.LogWochenordner);
    s.LogUnterordner = ini.readBool(kWetterlog, QStringLiteral("LogUnterordner"), d.LogUnterordner);
    s.LogUpdate = std::uint8_t(
        readInRange(ini, kWetterlog, QStringLiteral("LogUpdate"), d.LogUpdate, 0, 2, path));
    s.LogOrdner = ini.readString(kWetterlog, QStringLiteral("LogOrdner"), d.LogOrdner);
    host.setLogInterval(logIntervalFrom(
        ini.readInteger(kWetterlog, QStringLiteral("LogInterval"), kDefaultLogInterval)));

    s.ASYNOPArchiv = ini.readBool(kAsynop, QStringLiteral("ASYNOPArchiv"), d.ASYNOPArchiv);
    s.ASYNOPErdquadrant = std::uint8_t(readInRange(
        ini, kAsynop, QStringLiteral("ASYNOPErdquadrant"), d.ASYNOPErdquadrant, 0, 255, path));
    s.ASYNOPIntervall = ini.readBool(kAsynop, QStringLiteral("ASYNOPIntervall"), d.ASYNOPIntervall);
    s.ASYNOPAbsender = ini.readString(kAsynop, QStringLiteral("ASYNOPAbsender"), d.ASYNOPAbsender);
    s.ASYNOPEmpf = ini.readString(kAsynop, QStringLiteral("ASYNOPEmpf"), d.ASYNOPEmpf);
    s.ASYNOPvor = ini.readString(kAsynop, QStringLiteral("ASYNOPVor"), d.ASYNOPvor);
    s.ASYNOPnach = ini.readString(kAsynop, QStringLiteral("ASYNOPNach"), d.ASYNOPnach);
    s.ASYNOPDatei = ini.readString(kAsynop, QStringLiteral("ASYNOPDatei"), d.ASYNOPDatei);
    s.ASYNOPLat = ini.readString(kAsynop, QStringLiteral("ASYNOPLat"), d.ASYNOPLat);
    s.ASYNOPLong = ini.readString(kAsynop, QStringLiteral("ASYNOPLong"), d.ASYNOPLong);
    s.ASYNOPMonatsordner =
        ini.readBool(kAsynop, QStringLiteral("ASYNOPMonatsordner"), d.ASYNOPMonatsordner);
    s.ASYNOPWochenordner =
        ini.readBool(kAsynop, QStringLiteral("ASYNOPWochenordner"), d.ASYNOPWochenordner);

    s.ArchivDatei = ini.readString(kArchiv, QStringLiteral("ArchivDatei"), d.ArchivDatei);
    s.ArchivAktiv = ini.readBool(kArchiv, QStringLiteral("ArchivAktiv"), d.ArchivAktiv);

    s.MQTTAktiv = ini.readBool(kMqtt, QStringLiteral("MQTTAktiv"), d.MQTTAktiv);
    s.MQTTServer = ini.readString(kMqtt, QStringLiteral("MQTTServer"), d.MQTTServer);
    s.MQTTPort = readInRange(ini, kMqtt, QStringLiteral("MQTTPort"), d.MQTTPort, 1, 65535, path);
    s.MQTTBenutzer = ini.readString(kMqtt, QStringLiteral("MQTTBenutzer"), d.MQTTBenutzer);
    s.MQTTPasswort = ini.readString(kMqtt, QStringLiteral("MQTTPasswort"), d.MQTTPasswort);
    s.MQTTTLS = ini.readBool(kMqtt, QStringLiteral("MQTTTLS"), d.MQTTTLS);
    s.MQTTZertifikat = ini.readString(kMqtt, QStringLiteral("MQTTZertifikat"), d.MQTTZertifikat);
    s.MQTTThema = ini.readString(kMqtt, QStringLiteral("MQTTThema"), d.MQTTThema);
    s.MQTTDiscovery = ini.readString(kMqtt, QStringLiteral("MQTTDiscovery"), d.MQTTDiscovery);
    s.MQTTIntervall = readInRange(ini, kMqtt, QStringLiteral("MQTTIntervall"), d.MQTTIntervall,
                                  kMqttLeastInterval, 86400, path);

    for (int n = kFirstPanel; n <= kLastPanel; ++n) {
        host.setPanelColor(n, ini.readInteger(kFarben, panelKey(n), kButtonFace));
    }
    for (int n = kFirstPanel; n <= kLastPanel; ++n) {
        host.setPanelFontSize(n,
                              ini.readInteger(kSchriften, panelKey(n, "Size"), kDefaultFontSize));
    }
    for (int n = kFirstPanel; n <= kLastPanel; ++n) {
        host.setPanelFontColor(
            n, ini.readInteger(kSchriften, panelKey(n, "Color"), kDefaultFontColor));
    }

    readProfiles(ini, s, settingsFilePath(s));

    host.setPortName(ini.readString(kAlles, QStringLiteral("Comport"), kDefaultComport));
    s.MyLocator = ini.readString(kAlles, QStringLiteral("MyLocator"), d.MyLocator);
    s.APRSDatei = ini.readString(kAlles, QStringLiteral("APRSDatei"), d.APRSDatei);
    s.APRSIntervall = std::uint16_t(
        readInRange(ini, kAlles, QStringLiteral("APRSIntervall"), d.APRSIntervall, 0, 65535, path));
    s.Zeitzone = timeZoneFrom(ini.readInteger(kAlles, QStringLiteral("Zeitzone"), d.Zeitzone),
                              settingsFilePath(s));
    s.ZeitzoneIndex = std::uint8_t(
        readInRange(ini, kAlles, QStringLiteral("ZeitzoneIndex"), d.ZeitzoneIndex, 0, 24, path));
    s.CatchPeak = ini.readBool(kAlles, QStringLiteral("CatchPeak"), d.CatchPeak);
    s.EOFKennung = ini.readBool(kAlles, QStringLiteral("EOFKennung"), d.EOFKennung);
    s.NormalRegen = ini.readBool(kAlles, QStringLiteral("NormalRegen"), d.NormalRegen);
    s.APRSRechnerZeit = ini.readBool(kAlles, QStringLiteral("APRSRechnerZeit"), d.APRSRechnerZeit);
    s.autoImport = ini.readBool(kAlles, QStringLiteral("autoImport"), d.autoImport);
    s.autoRead = ini.readBool(kAlles, QStringLiteral("autoRead"), d.autoRead);
    s.autoLog = ini.readBool(kAlles, QStringLiteral("autoLog"), d.autoLog);
    s.autoAPRS = ini.readBool(kAlles, QStringLiteral("autoAPRS"), d.autoAPRS);
    s.regnBeheizt = ini.readBool(kAlles, QStringLiteral("regnBeheizt"), d.regnBeheizt);
    if (ini.readBool(kAlles, QStringLiteral("ActiveAtStartup"), false))
        host.runAktivCommand();
}

void storeSettings(IniFile& ini, const Settings& s, const SettingsHost& host) {
    const WindowBounds bounds = host.windowBounds();
    ini.writeInteger(kWindowPos, QStringLiteral("Height"), bounds.height);
    ini.writeInteger(kWindowPos, QStringLiteral("Width"), bounds.width);
    ini.writeInteger(kWindowPos, QStringLiteral("Top"), bounds.top);
    ini.writeInteger(kWindowPos, QStringLiteral("Left"), bounds.left);

    ini.writeString(kAlles, QStringLiteral("Comport"), host.portName());
    ini.writeString(kAlles, QStringLiteral("MyLocator"), s.MyLocator);
    ini.writeString(kAlles, QStringLiteral("APRSDatei"), s.APRSDatei);
    ini.writeInteger(kAlles, QStringLiteral("APRSIntervall"), s.APRSIntervall);
    ini.writeInteger(kAlles, QStringLiteral("Zeitzone"), s.Zeitzone);
    ini.writeInteger(kAlles, QStringLiteral("ZeitzoneIndex"), s.ZeitzoneIndex);
    ini.writeBool(kAlles, QStringLiteral("CatchPeak"), s.CatchPeak);
    ini.writeBool(kAlles, QStringLiteral("ActiveAtStartup"), host.active());
    ini.writeBool(kAlles, QStringLiteral("NormalRegen"), s.NormalRegen);
    ini.writeBool(kAlles, QStringLiteral("regnBeheizt"), s.regnBeheizt);
    ini.writeBool(kAlles, QStringLiteral("APRSRechnerZeit"), s.APRSRechnerZeit);
    ini.writeBool(kAlles, QStringLiteral("autoImport"), s.autoImport);
    ini.writeBool(kAlles, QStringLiteral("autoRead"), s.autoRead);
    ini.writeBool(kAlles, QStringLiteral("autoLog"), s.autoLog);
    ini.writeBool(kAlles, QStringLiteral("autoAPRS"), s.autoAPRS);
    ini.writeBool(kAlles, QStringLiteral("EOFKennung"), s.EOFKennung);

    ini.writeBool(kWinGT, QStringLiteral("ReadMinute"), s.ReadMinute);
    ini.writeBool(kWinGT, QStringLiteral("ReadManuell"), s.ReadManuell);
    ini.writeBool(kWinGT, QStringLiteral("ImportManuell"), s.ImportManuell);
    ini.writeString(kWinGT, QStringLiteral("WinGTImport"), s.WinGTImport);
    ini.writeString(kWinGT, QStringLiteral("WinGTRead"), s.WinGTRead);

    ini.writeBool(kClientServer, QStringLiteral("ClientActive"), host.clientOpen());
    ini.writeInteger(kClientServer, QStringLiteral("RemotePort"), host.remotePort());
    ini.writeString(kClientServer, QStringLiteral("RemoteIP"), host.remoteAddress());

    ini.writeInteger(kWetterlog, QStringLiteral("LogUpdate"), s.LogUpdate);
    ini.writeBool(kWetterlog, QStringLiteral("LogWochenordner"), s.LogWochenordner);
    ini.writeBool(kWetterlog, QStringLiteral("LogMonatsordner"), s.LogMonatsordner);
    ini.writeBool(kWetterlog, QStringLiteral("LogUnterordner"), s.LogUnterordner);
    ini.writeInteger(kWetterlog, QStringLiteral("LogInterval"), host.logInterval());
    ini.writeString(kWetterlog, QStringLiteral("LogOrdner"), s.LogOrdner);

    ini.writeBool(kAsynop, QStringLiteral("ASYNOPArchiv"), s.ASYNOPArchiv);
    ini.writeBool(kAsynop, QStringLiteral("ASYNOPIntervall"), s.ASYNOPIntervall);
    ini.writeBool(kAsynop, QStringLiteral("ASYNOPMonatsordner"), s.ASYNOPMonatsordner);
    ini.writeBool(kAsynop, QStringLiteral("ASYNOPWochenordner"), s.ASYNOPWochenordner);
    ini.writeInteger(kAsynop, QStringLiteral("ASYNOPErdquadrant"), s.ASYNOPErdquadrant);
    ini.writeString(kAsynop, QStringLiteral("ASYNOPDatei"), s.ASYNOPDatei);
    ini.writeString(kAsynop, QStringLiteral("ASYNOPAbsender"), s.ASYNOPAbsender);
    ini.writeString(kAsynop, QStringLiteral("ASYNOPEmpf"), s.ASYNOPEmpf);
    ini.writeString(kAsynop, QStringLiteral("ASYNOPvor"), s.ASYNOPvor);
    ini.writeString(kAsynop, QStringLiteral("ASYNOPnach"), s.ASYNOPnach);
    ini.writeString(kAsynop, QStringLiteral("ASYNOPLat"), s.ASYNOPLat);
    ini.writeString(kAsynop, QStringLiteral("ASYNOPLong"), s.ASYNOPLong);

    ini.writeString(kArchiv, QStringLiteral("ArchivDatei"), s.ArchivDatei);
    ini.writeBool(kArchiv, QStringLiteral("ArchivAktiv"), s.ArchivAktiv);

    ini.writeBool(kMqtt, QStringLiteral("MQTTAktiv"), s.MQTTAktiv);
    ini.writeString(kMqtt, QStringLiteral("MQTTServer"), s.MQTTServer);
    ini.writeInteger(kMqtt, QStringLiteral("MQTTPort"), s.MQTTPort);
    ini.writeString(kMqtt, QStringLiteral("MQTTBenutzer"), s.MQTTBenutzer);
    ini.writeString(kMqtt, QStringLiteral("MQTTPasswort"), s.MQTTPasswort);
    ini.writeBool(kMqtt, QStringLiteral("MQTTTLS"), s.MQTTTLS);
    ini.writeString(kMqtt, QStringLiteral("MQTTZertifikat"), s.MQTTZertifikat);
    ini.writeString(kMqtt, QStringLiteral("MQTTThema"), s.MQTTThema);
    ini.writeString(kMqtt, QStringLiteral("MQTTDiscovery"), s.MQTTDiscovery);
    ini.writeInteger(kMqtt, QStringLiteral("MQTTIntervall"), s.MQTTIntervall);

    for (int n = kFirstPanel; n <= kLastPanel; ++n) {
        ini.writeInteger(kFarben, panelKey(n), host.panelColor(n));
    }
    for (int n = kFirstPanel; n <= kLastPanel; ++n) {
        ini.writeInteger(kSchriften, panelKey(n, "Size"), host.panelFontSize(n));
    }
    for (int n = kFirstPanel; n <= kLastPanel; ++n) {
        ini.writeInteger(kSchriften, panelKey(n, "Color"), host.panelFontColor(n));
    }

    // Only named profiles are written, numbered without gaps: a nameless one would come back as
    // "Profil<n>=" with an empty "[]" section.
    std::vector<const Profile*> named;
    for (int n = 1; n <= std::min<int>(s.ProfileCount, kProfileSlots); ++n)
        if (!s.profile(n).Name.isEmpty())
            named.push_back(&s.profile(n));
    ini.writeInteger(kProfile, QStringLiteral("MaxProfil"), int(named.size()));
    for (std::size_t i = 0; i < named.size(); ++i) {
        const Profile& p = *named[i];
        ini.writeString(kProfile, profileKey(int(i) + 1), p.Name);
        ini.writeString(p.Name, empfaengerKey(), p.Empfaenger);
        ini.writeString(p.Name, QStringLiteral("Absender"), p.Absender);
        ini.writeString(p.Name, QStringLiteral("Betreff"), p.Betreff);
        ini.writeString(p.Name, QStringLiteral("VOR"), toCommaText(p.VOR));
        ini.writeString(p.Name, QStringLiteral("NACH"), toCommaText(p.NACH));
        ini.writeBool(p.Name, QStringLiteral("WieWinGT"), p.WieWinGT);
        ini.writeString(p.Name, QStringLiteral("Uhrzeit"), p.Uhrzeit);
    }
}

void LoadSettings(Settings& settings, SettingsHost& host) {
    const QString path = settingsFilePath(settings);
    IniFile ini;
    QString error;
    if (!ini.load(path, &error)) {
        reportError(QStringLiteral("%1 kann nicht gelesen werden (%2)").arg(path, error));
    }
    applySettings(ini, settings, host);
}

bool SaveSettings(const Settings& settings, const SettingsHost& host) {
    const QString path = settingsFilePath(settings);
    // The keys are written into the file as it stands now, so that every line the program does not
    // own survives. A file that exists but cannot be read is left alone rather than replaced.
    IniFile ini;
    QString reason;
    bool saved = ini.load(path, &reason);
    if (saved) {
        storeSettings(ini, settings, host);
        // A file that holds a password is for its owner's eyes only, from its first byte on.
        if (!settings.MQTTPasswort.isEmpty())
            saved = makeOwnerOnly(path, &reason);
    }
    if (saved)
        saved = ini.save(path, &reason);
    if (saved && !settings.MQTTPasswort.isEmpty())
        saved = makeOwnerOnly(path, &reason);
    if (!saved)
        reportCannotWrite(path, reason);
    return saved;
}
