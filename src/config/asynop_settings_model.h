// The model of the dialog "ASYNOP": the target file, the interval, the archive boxes, the header
// lines and the station's position of the ASYNOP report. The subject follows the sender as it is
// typed and reaches the report at once; everything else is taken with "OK".
#pragma once

#include <QString>
#include <functional>

#include "base/dialog_model.h"
#include "config/settings.h"

// What the dialog reaches beyond the settings: the subject the report keeps in memory, and the
// working file's text (the working file is started first when it does not exist).
struct AsynopReportLink {
    QString& subject;
    std::function<QString()> workingFileText;
};

class AsynopSettingsModel : public DialogModel {
public:
    // Ids of the folder field and the number fields, in the order "OK" takes them.
    static constexpr const char* kFolderField = "Zielordner";
    static constexpr const char* kLatitudeField = "Latitude";
    static constexpr const char* kLongitudeField = "Longitude";
    static constexpr const char* kQuadrantField = "Erdquadrant";

    AsynopSettingsModel(Settings& settings, AsynopReportLink report)
        : settings_(settings), report_(std::move(report)) {}

    void fill() override;
    // Latitude: up to three digits, at most 900; longitude: up to four digits, at most 1800 (tenths
    // of a degree, as the report lines carry them); the quadrant a whole number of 0 ... 255.
    std::vector<FieldProblem> problems() const override;

    // "Absender": a text other than the one shown makes the subject "ASYNOP " + sender + " " +
    // today's date dd.mm.yy, and the report takes the new subject at once.
    QString sender() const { return sender_; }
    void setSender(const QString& text);
    QString subject() const { return subject_; }

    // Page "Datei"
    QString fileName;
    QString folder;
    bool fourTimes = false;  // "4x pro Tag", else "Tageszusammenfassung"
    QString workingFile;     // the working file's text, shown read-only
    bool archive = false;
    bool monthFolders = false;
    bool weekFolders = false;
    // Page "Daten"
    QString recipient;
    QString lineAbove;
    QString lineBelow;
    QString quadrant;
    QString latitude;
    QString longitude;

protected:
    std::optional<FieldProblem> apply() override;

private:
    Settings& settings_;
    AsynopReportLink report_;
    QString sender_;
    QString subject_;
};
