// The model of the dialog "Wetterlog Einstellungen": the log folder and its week and month
// folders, when a new file begins, the snapshot period in minutes (the log timer), and
// "Spitzenwerte festhalten".
#pragma once

#include "base/dialog_model.h"
#include "config/settings.h"
#include "config/settings_host.h"

class WeatherLogSettingsModel : public DialogModel {
public:
    static constexpr const char* kMinutesField = "LogMinuten";
    static constexpr const char* kFolderField = "LogOrdner";
    // The longest period the log timer can hold, in minutes (about 24 days).
    static constexpr int kMaxMinutes = 35791;

    WeatherLogSettingsModel(Settings& settings, SettingsHost& host)
        : settings_(settings), host_(host) {}

    void fill() override;
    std::vector<FieldProblem> problems() const override;

    // "ein Ordner pro Woche" and "ein Ordner pro Monat" can be changed only while this holds.
    bool folderOptionsEnabled() const { return combineFiles; }

    QString folder;
    bool combineFiles = false;  // "Logdateien zusammenfasssen"
    bool weekFolders = false;
    bool monthFolders = false;
    int newFile = 0;  // 0 "täglich", 1 "wöchentlich", 2 "monatlich"
    QString minutes;  // "Snapshot alle ... Minuten."; digits only
    bool catchPeak = false;

protected:
    std::optional<FieldProblem> apply() override;

private:
    Settings& settings_;
    SettingsHost& host_;
};
