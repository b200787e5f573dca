#include "config/settings_keys.h"

namespace {
using S = Settings;

const SettingsKey kKeys[] = {
    {"Alles", "Comport", ByHand::Comport},
    {"Alles", "MyLocator", &S::MyLocator},
    {"Alles", "APRSDatei", &S::APRSDatei},
    {"Alles", "APRSIntervall", RangedMember{&S::APRSIntervall, 0, 65535}},
    {"Alles", "Zeitzone", ByHand::Zeitzone},
    {"Alles", "ZeitzoneIndex", RangedMember{&S::ZeitzoneIndex, 0, 25}},
    {"Alles", "CatchPeak", &S::CatchPeak},
    {"Alles", "ActiveAtStartup", ByHand::ActiveAtStartup},
    {"Alles", "NormalRegen", &S::NormalRegen},
    {"Alles", "regnBeheizt", &S::regnBeheizt},
    {"Alles", "APRSRechnerZeit", &S::APRSRechnerZeit},
    {"Alles", "autoImport", &S::autoImport},
    {"Alles", "autoRead", &S::autoRead},
    {"Alles", "autoLog", &S::autoLog},
    {"Alles", "autoAPRS", &S::autoAPRS},
    {"Alles", "EOFKennung", &S::EOFKennung},

    {"WinGT", "ReadMinute", &S::ReadMinute},
    {"WinGT", "ReadManuell", &S::ReadManuell},
    {"WinGT", "ImportManuell", &S::ImportManuell},
    {"WinGT", "WinGTImport", &S::WinGTImport},
    {"WinGT", "WinGTRead", &S::WinGTRead},

    {"ClientServer", "ClientActive", ByHand::ClientActive},
    {"ClientServer", "RemotePort", ByHand::RemotePort},
    {"ClientServer", "RemoteIP", ByHand::RemoteIP},

    {"Wetterlog", "LogUpdate", RangedMember{&S::LogUpdate, 0, 2}},
    {"Wetterlog", "LogWochenordner", &S::LogWochenordner},
    {"Wetterlog", "LogMonatsordner", &S::LogMonatsordner},
    {"Wetterlog", "LogUnterordner", &S::LogUnterordner},
    {"Wetterlog", "LogInterval", ByHand::LogInterval},
    {"Wetterlog", "LogOrdner", &S::LogOrdner},

    {"ASYNOP", "ASYNOPArchiv", &S::ASYNOPArchiv},
    {"ASYNOP", "ASYNOPIntervall", &S::ASYNOPIntervall},
    {"ASYNOP", "ASYNOPMonatsordner", &S::ASYNOPMonatsordner},
    {"ASYNOP", "ASYNOPWochenordner", &S::ASYNOPWochenordner},
    {"ASYNOP", "ASYNOPErdquadrant", RangedMember{&S::ASYNOPErdquadrant, 0, 255}},
    {"ASYNOP", "ASYNOPDatei", &S::ASYNOPDatei},
    {"ASYNOP", "ASYNOPAbsender", &S::ASYNOPAbsender},
    {"ASYNOP", "ASYNOPEmpf", &S::ASYNOPEmpf},
    {"ASYNOP", "ASYNOPvor", &S::ASYNOPvor},
    {"ASYNOP", "ASYNOPnach", &S::ASYNOPnach},
    {"ASYNOP", "ASYNOPLat", &S::ASYNOPLat},
    {"ASYNOP", "ASYNOPLong", &S::ASYNOPLong},

    {"Archiv", "ArchivDatei", &S::ArchivDatei},
    {"Archiv", "ArchivAktiv", &S::ArchivAktiv},
    {"Archiv", "BerichtOrdner", &S::BerichtOrdner},

    {"Dienst", "StilleMinuten", RangedMember{&S::StilleMinuten, 1, 24 * 60}},
    {"Dienst", "AlarmBefehl", &S::AlarmBefehl},
    {"MQTT", "MQTTAktiv", &S::MQTTAktiv},
    {"MQTT", "MQTTServer", &S::MQTTServer},
    {"MQTT", "MQTTPort", RangedMember{&S::MQTTPort, 1, 65535}},
    {"MQTT", "MQTTBenutzer", &S::MQTTBenutzer},
    {"MQTT", "MQTTPasswort", &S::MQTTPasswort},
    {"MQTT", "MQTTTLS", &S::MQTTTLS},
    {"MQTT", "MQTTZertifikat", &S::MQTTZertifikat},
    {"MQTT", "MQTTThema", &S::MQTTThema},
    {"MQTT", "MQTTDiscovery", &S::MQTTDiscovery},
    {"MQTT", "MQTTIntervall", RangedMember{&S::MQTTIntervall, kMqttLeastInterval, 86400}},

    {"APRSIS", "APRSISAktiv", &S::APRSISAktiv},
    {"APRSIS", "APRSISServer", &S::APRSISServer},
    {"APRSIS", "APRSISPort", RangedMember{&S::APRSISPort, 1, 65535}},
    {"APRSIS", "Rufzeichen", &S::Rufzeichen},
    {"APRSIS", "Passcode", &S::Passcode},
    {"APRSIS", "APRSISIntervall", RangedMember{&S::APRSISIntervall, kAprsIsLeastInterval, 60}},

    {"WU", "WUAktiv", &S::WUAktiv},
    {"WU", "WUStation", &S::WUStation},
    {"WU", "WUSchluessel", &S::WUSchluessel},
    {"WU", "WUIntervall", RangedMember{&S::WUIntervall, kWuLeastInterval, 60}},
    {"WU", "WUAdresse", &S::WUAdresse},

    {"Web", "WebAktiv", &S::WebAktiv},
    {"Web", "WebAdresse", &S::WebAdresse},
    {"Web", "WebPort", RangedMember{&S::WebPort, 1, 65535}},
};

}  // namespace

std::span<const SettingsKey> settingsKeys() {
    return kKeys;
}
