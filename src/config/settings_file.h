// Loading and saving wetterpult.ini: every key of the program, in the file's fixed order, with the
// defaults a first start uses. Window-held values go through the settings host.
#pragma once

#include <QString>

#include "config/ini_file.h"
#include "config/settings.h"
#include "config/settings_host.h"

inline constexpr char kSettingsFileName[] = "wetterpult.ini";

// The settings file of the program folder.
QString settingsFilePath(const Settings& settings);

// "In <path> kann nicht geschrieben werden": the message of a settings file that cannot be written.
QString cannotWriteMessage(const QString& path);
// Shows that message with the path and the system's reason as its details.
void reportCannotWrite(const QString& path, const QString& reason);

// Takes every key from the file into the settings and the host, in the load order; a missing key
// gives its default. The last step may carry out the "Aktiv" command.
void applySettings(const IniFile& ini, Settings& settings, SettingsHost& host);
// Writes every key from the settings and the host into the file, in the save order.
void storeSettings(IniFile& ini, const Settings& settings, const SettingsHost& host);

// Reads the settings file of settings.ProgramFolder (no file: every default) and applies it.
void LoadSettings(Settings& settings, SettingsHost& host);
// Writes every key into the settings file, all or nothing. On failure the message
// "In <path> kann nicht geschrieben werden" is shown, the old file stays as it was, and the result
// is false.
bool SaveSettings(const Settings& settings, const SettingsHost& host);
