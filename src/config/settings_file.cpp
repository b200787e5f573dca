#include "config/settings_file.h"

#include <QFile>
#include <algorithm>
#include <type_traits>
#include <variant>
#include <vector>

#include "base/notifier.h"
#include "base/text_file.h"
#include "config/comma_text.h"
#include "config/settings_keys.h"

namespace {

const QString kWindowPos = QStringLiteral("WindowPos");
const QString kAlles = QStringLiteral("Alles");
const QString kWinGT = QStringLiteral("WinGT");
const QString kClientServer = QStringLiteral("ClientServer");
const QString kWetterlog = QStringLiteral("Wetterlog");
const QString kAsynop = QStringLiteral("ASYNOP");
const QString kArchiv = QStringLiteral("Archiv");
const QString kDienst = QStringLiteral("Dienst");
const QString kMqtt = QStringLiteral("MQTT");
const QString kAprsIs = QStringLiteral("APRSIS");
const QString kWu = QStringLiteral("WU");
const QString kWeb = QStringLiteral("Web");
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

// One key of the table from the file: a missing key or one that is no number gives the default.
void readKey(const IniFile& ini, const SettingsKey& k, Settings& s, const Settings& d,
             SettingsHost& host, const QString& path) {
    const QString section = QLatin1String(k.section);
    const QString key = QLatin1String(k.key);
    if (auto text = std::get_if<QString Settings::*>(&k.member)) {
        s.** text = ini.readString(section, key, d.**text);
    } else if (auto flag = std::get_if<bool Settings::*>(&k.member)) {
        s.** flag = ini.readBool(section, key, d.**flag);
    } else if (auto ranged = std::get_if<RangedMember>(&k.member)) {
        std::visit(
            [&](auto member) {
                using Value = std::remove_reference_t<decltype(s.*member)>;
                s.*member = Value(
                    readInRange(ini, section, key, d.*member, ranged->low, ranged->high, path));
            },
            ranged->member);
    } else {
        switch (std::get<ByHand>(k.member)) {
            case ByHand::Comport:
                host.setPortName(ini.readString(section, key, kDefaultComport));
                break;
            case ByHand::ActiveAtStartup:
                break;  // read after every other key
            case ByHand::ClientActive:
                s.ClientActive = ini.readBool(section, key, d.ClientActive);
                break;
            case ByHand::RemotePort:
                host.setRemotePort(
                    readInRange(ini, section, key, kDefaultRemotePort, 0, 65535, path));
                break;
            case ByHand::RemoteIP:
                host.setRemoteAddress(ini.readString(section, key, kDefaultRemoteIP));
                break;
            case ByHand::LogInterval:
                host.setLogInterval(
                    logIntervalFrom(ini.readInteger(section, key, kDefaultLogInterval)));
                break;
            case ByHand::Zeitzone:
                s.Zeitzone = timeZoneFrom(ini.readInteger(section, key, d.Zeitzone), path);
                break;
        }
    }
}

void writeKey(IniFile& ini, const SettingsKey& k, const Settings& s, const SettingsHost& host) {
    const QString section = QLatin1String(k.section);
    const QString key = QLatin1String(k.key);
    if (auto text = std::get_if<QString Settings::*>(&k.member)) {
        ini.writeString(section, key, s.**text);
    } else if (auto flag = std::get_if<bool Settings::*>(&k.member)) {
        ini.writeBool(section, key, s.**flag);
    } else if (auto ranged = std::get_if<RangedMember>(&k.member)) {
        std::visit([&](auto member) { ini.writeInteger(section, key, int(s.*member)); },
                   ranged->member);
    } else {
        switch (std::get<ByHand>(k.member)) {
            case ByHand::Comport:
                ini.writeString(section, key, host.portName());
                break;
            case ByHand::ActiveAtStartup:
                ini.writeBool(section, key, host.active());
                break;
            case ByHand::ClientActive:
                ini.writeBool(section, key, host.clientOpen());
                break;
            case ByHand::RemotePort:
                ini.writeInteger(section, key, host.remotePort());
                break;
            case ByHand::RemoteIP:
                ini.writeString(section, key, host.remoteAddress());
                break;
            case ByHand::LogInterval:
                ini.writeInteger(section, key, host.logInterval());
                break;
            case ByHand::Zeitzone:
                ini.writeInteger(section, key, s.Zeitzone);
                break;
        }
    }
}

// Creates the file when missing and allows only its owner to read and write it. The new file
// that replaces it keeps these permissions.
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

    auto readSection = [&](const QString& section) {
        for (const SettingsKey& k : settingsKeys())
            if (section == QLatin1String(k.section))
                readKey(ini, k, s, d, host, path);
    };
    // Alles comes last: the serial port's name reaches the host after everything else, as
    // "Aktiv" at start-up (below) does.
    for (const QString& section :
         {kClientServer, kWinGT, kWetterlog, kAsynop, kArchiv, kDienst, kMqtt, kAprsIs, kWu, kWeb})
        readSection(section);

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

    readProfiles(ini, s, path);

    readSection(kAlles);
    if (ini.readBool(kAlles, QStringLiteral("ActiveAtStartup"), false))
        host.runAktivCommand();
}

void storeSettings(IniFile& ini, const Settings& s, const SettingsHost& host) {
    const WindowBounds bounds = host.windowBounds();
    ini.writeInteger(kWindowPos, QStringLiteral("Height"), bounds.height);
    ini.writeInteger(kWindowPos, QStringLiteral("Width"), bounds.width);
    ini.writeInteger(kWindowPos, QStringLiteral("Top"), bounds.top);
    ini.writeInteger(kWindowPos, QStringLiteral("Left"), bounds.left);

    for (const SettingsKey& k : settingsKeys())
        writeKey(ini, k, s, host);

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
        if (settings.holdsSecret())
            saved = makeOwnerOnly(path, &reason);
    }
    if (saved)
        saved = ini.save(path, &reason);
    if (saved && settings.holdsSecret())
        saved = makeOwnerOnly(path, &reason);
    if (!saved)
        reportCannotWrite(path, reason);
    return saved;
}
