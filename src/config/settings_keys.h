// The keys of wetterpult.ini that stand for one value each, as one table: section, key and where
// the value lives, in the order the keys are written. Loading and saving both walk this table, so
// a key is spelled once. Sections with keys built from numbers (window bounds, panel colours and
// fonts, profiles) are read and written by hand in settings_file.cpp.
#pragma once

#include <QString>
#include <cstdint>
#include <span>
#include <variant>

#include "config/settings.h"

// A number with a range of its own (a byte, a port, minutes): a value outside [low, high] is read
// as the key's default, with a message.
struct RangedMember {
    std::variant<std::uint8_t Settings::*, std::uint16_t Settings::*, int Settings::*> member;
    int low;
    int high;
};

// Keys whose value lives in the settings host or is read in a way of its own; settings_file.cpp
// reads and writes each of them by hand.
enum class ByHand {
    Comport,          // the serial port's name (host)
    ActiveAtStartup,  // written from "Aktiv" now; read last, runs the "Aktiv" command
    ClientActive,     // read into Settings, written from whether the client socket is open
    RemotePort,       // host, 0 ... 65535
    RemoteIP,         // host
    LogInterval,      // host; a period of less than a minute is read as a minute
    Zeitzone,         // -12 ... +12 hours, a message of its own
};

using SettingsMember = std::variant<QString Settings::*, bool Settings::*, RangedMember, ByHand>;

struct SettingsKey {
    const char* section;
    const char* key;
    SettingsMember member;
};

// Every key of the sections Alles, WinGT, ClientServer, Wetterlog, ASYNOP, Archiv and Dienst, in
// the order they are written (and so stand in a new file).
std::span<const SettingsKey> settingsKeys();
