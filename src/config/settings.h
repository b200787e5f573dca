// Every setting of the program, one value per key of wetterpult.ini, named by its key. Defaults are
// those a first start without a settings file uses. Values that live in the main window (window
// bounds, panel colours and fonts, "Aktiv", the log timer's period, the serial port name, the
// client socket) are reached through the settings host, not kept here twice.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// One report profile for the WinGT pages.
struct Profile {
    QString Name;
    QString Empfaenger;  // key "Empfänger"
    QString Absender;
    QString Betreff;
    QStringList VOR;  // text before the weather data, one entry per line
    QString Uhrzeit = QStringLiteral("16:57");
    QStringList NACH;  // text after the weather data
    bool WieWinGT = true;
};

inline constexpr int kProfileSlots = 100;

// The shortest time between two MQTT state messages, seconds.
inline constexpr int kMqttLeastInterval = 5;
// The shortest intervals of the weather-network uploads, minutes: CWOP asks for no more than one
// packet in five minutes.
inline constexpr int kAprsIsLeastInterval = 5;
inline constexpr int kWuLeastInterval = 1;

struct Settings {
    // The program folder, ending with "/". Set first at start-up.
    QString ProgramFolder;

    // Section Alles
    QString MyLocator = QStringLiteral("JO30XN");
    QString APRSDatei;  // default ProgramFolder + "aprs.txt"
    std::uint16_t APRSIntervall = 1;
    int Zeitzone = 1;
    std::uint8_t ZeitzoneIndex = 11;
    bool CatchPeak = false;
    bool NormalRegen = true;
    bool regnBeheizt = false;
    bool APRSRechnerZeit = true;
    bool autoImport = true;
    bool autoRead = true;
    bool autoLog = true;
    bool autoAPRS = true;
    bool EOFKennung = false;

    // Section WinGT
    bool ReadMinute = false;
    bool ReadManuell = true;
    bool ImportManuell = true;
    QString WinGTImport;  // default ProgramFolder
    QString WinGTRead;    // default ProgramFolder

    // Section ClientServer (the socket's own address and port live with the socket)
    bool ClientActive = false;

    // Section Wetterlog
    std::uint8_t LogUpdate = 0;  // 0 daily, 1 weekly, 2 monthly
    bool LogWochenordner = false;
    bool LogMonatsordner = false;
    bool LogUnterordner = false;
    QString LogOrdner;  // default ProgramFolder

    // Section ASYNOP
    bool ASYNOPArchiv = false;
    bool ASYNOPIntervall = false;  // false: one summary per day, true: four times a day
    bool ASYNOPMonatsordner = false;
    bool ASYNOPWochenordner = false;
    std::uint8_t ASYNOPErdquadrant = 1;
    QString ASYNOPDatei;  // default ProgramFolder + "asynoptmp.txt"
    QString ASYNOPAbsender = QStringLiteral("QQ9ZZ");
    QString ASYNOPEmpf = QStringLiteral("ASYNOP@DL");
    QString ASYNOPvor = QStringLiteral("Wetterdaten WMR918");
    QString ASYNOPnach;
    QString ASYNOPLat = QStringLiteral("505");
    QString ASYNOPLong = QStringLiteral("080");

    // Section Archiv: the minute archive; a name without a folder lies in the program folder.
    QString ArchivDatei = QStringLiteral("wetterpult.sqlite");
    bool ArchivAktiv = true;
    // The folder the climate reports of the last month and year are written to on the first of
    // each month while "Aktiv" (a name without a folder lies in the program folder); empty: none.
    QString BerichtOrdner;

    // Section MQTT: the publisher of the station's values to an MQTT broker (Home Assistant).
    bool MQTTAktiv = false;
    QString MQTTServer = QStringLiteral("localhost");
    int MQTTPort = 1883;
    QString MQTTBenutzer;
    QString MQTTPasswort;
    bool MQTTTLS = false;
    QString MQTTZertifikat;  // a CA file; empty: the system's certificates
    QString MQTTThema = QStringLiteral("wetterpult");         // base topic
    QString MQTTDiscovery = QStringLiteral("homeassistant");  // empty: no discovery
    int MQTTIntervall = 60;                                   // seconds, at least 5

    // Section APRSIS: the weather packet to CWOP over APRS-IS. Passcode -1 is a CW/DW station's.
    bool APRSISAktiv = false;
    QString APRSISServer = QStringLiteral("cwop.aprs.net");
    int APRSISPort = 14580;
    QString Rufzeichen;  // call sign or CW/DW number
    QString Passcode = QStringLiteral("-1");
    int APRSISIntervall = 10;  // minutes, at least 5

    // Section WU: the upload to Weather Underground.
    bool WUAktiv = false;
    QString WUStation;     // station ID
    QString WUSchluessel;  // station key
    int WUIntervall = 5;   // minutes
    QString WUAdresse = QStringLiteral(
        "https://weatherstation.wunderground.com/weatherstation/"
        "updateweatherstation.php");

    // The file holds a password, passcode or key: it is for its owner's eyes only.
    bool holdsSecret() const;

    // Section Web: the program's own web page. 127.0.0.1 serves this machine only; 0.0.0.0 or
    // one of the machine's addresses serves the house network.
    bool WebAktiv = false;
    QString WebAdresse = QStringLiteral("127.0.0.1");
    int WebPort = 8080;

    // The archive file's full path; empty while a relative name has no program folder yet.
    QString archivePath() const;

    // Section Dienst: unattended operation. A station silent this many minutes while "Aktiv"
    // is told once (1 to 1440); AlarmBefehl, when set, is a program run with the message as its
    // argument, and again with "Station sendet wieder" when data return.
    int StilleMinuten = 10;
    QString AlarmBefehl;

    // Section Profile: slots 1..100 are Profiles[0..99]; ProfileCount slots are in use.
    std::array<Profile, kProfileSlots> Profiles{};
    std::uint8_t ProfileCount = 0;

    // Slot n (1-based) of the profile table.
    Profile& profile(int n) { return Profiles[std::size_t(n - 1)]; }
    const Profile& profile(int n) const { return Profiles[std::size_t(n - 1)]; }

    // Sets the program folder and the defaults that are built from it.
    void setProgramFolder(const QString& folder);
};
