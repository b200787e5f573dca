// The model of the dialog "APRS ": the file's folder and name, the clock its time stamp comes
// from, the interval, and the frame the file holds (written anew each time the dialog opens).
#pragma once

#include <functional>

#include "base/dialog_model.h"
#include "config/settings.h"

class AprsSettingsModel : public DialogModel {
public:
    static constexpr const char* kIntervalField = "APRSIntervall";
    static constexpr const char* kFolderField = "APRSOrdner";

    // `writeAprsFile` writes the APRS file from the current weather data (it tells the user when
    // it cannot).
    AprsSettingsModel(Settings& settings, std::function<void()> writeAprsFile)
        : settings_(settings), writeAprsFile_(std::move(writeAprsFile)) {}

    // Writes the APRS file first, then fills the fields and reads the file's frame.
    void fill() override;
    std::vector<FieldProblem> problems() const override;

    bool computerTime = true;  // "Rechner" (true) or "Wetterstation" (false)
    QString folder;            // "Zielordner für APRS-Datei"
    QString fileName;          // "Dateiname"
    QString interval;          // minutes, "APRS-Datei alle ... Minuten erstellen."
    QString frame;             // the lines of the file, read-only

protected:
    std::optional<FieldProblem> apply() override;

private:
    Settings& settings_;
    std::function<void()> writeAprsFile_;
};
