// The model of the dialog "Allgemein": the files written on activation, the EOF mark of the WinGT
// pages, the rain gauge and the time zone.
#pragma once

#include <QStringList>

#include "base/dialog_model.h"
#include "config/settings.h"

class GeneralSettingsModel : public DialogModel {
public:
    // Id of the time-zone field (the object name of its list).
    static constexpr const char* kTimeZoneField = "Zeitzone";

    explicit GeneralSettingsModel(Settings& settings) : settings_(settings) {}

    // The 26 entries of the time-zone list, "+12" down to "-12", then "System" (the system's zone,
    // with daylight saving time); position 11 is "+01".
    static const QStringList& timeZones();

    void fill() override;
    std::vector<FieldProblem> problems() const override;

    bool autoImport = false;
    bool autoRead = false;
    bool autoLog = false;
    bool autoAPRS = false;
    bool eofMark = false;      // "EOF Kennung anhängen"
    bool normalGauge = true;   // "Normal " (true) or "Umbau (235mm)" (false)
    bool heatedGauge = false;  // "beheizt"
    QString timeZone;          // the text of the time-zone list, chosen or typed

protected:
    std::optional<FieldProblem> apply() override;

private:
    Settings& settings_;
};
