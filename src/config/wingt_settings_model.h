// The model of the dialog "WinGT Einstellungen": the Import and the Read page, each with its
// folder, "Nur manuell erstellen", the next due time and its sorted schedule list; "OK" writes both
// lists to wetterpult.ini at once and then takes the rest.
#pragma once

#include <QStringList>
#include <functional>

#include "base/dialog_model.h"
#include "config/settings.h"

// What the dialog reaches in the scheduler: the next due times it shows, and their new
// computation from the lists just written.
struct ScheduleTimesLink {
    std::function<QString()> nextImportTime;
    std::function<QString()> nextReadTime;
    std::function<void()> updateNextTimes;
};

class WinGTSettingsModel : public DialogModel {
public:
    // The warning of a time entry that is not hhmm (box "Warnung").
    static const QString kTimeWarning;
    // Ids of the two folder fields.
    static constexpr const char* kImportFolderField = "ImportOrdner";
    static constexpr const char* kReadFolderField = "ReadOrdner";

    struct Page {
        QString folder;
        bool manual = true;  // "Nur manuell erstellen"
        QString nextTime;    // "Nächster Termin:"
        QStringList times;   // sorted hh:mm
        QString entry;       // "Zeit (hhmm)"
    };

    WinGTSettingsModel(Settings& settings, ScheduleTimesLink scheduler)
        : settings_(settings), scheduler_(std::move(scheduler)) {}

    void fill() override;
    // A folder of either page that does not exist and cannot be created.
    std::vector<FieldProblem> problems() const override;

    // "Nur manuell erstellen" and "einmal pro Minute" of the Read page exclude each other:
    // ticking one while the other is ticked is undone.
    void setReadManual(bool on);
    void setReadMinute(bool on);
    bool readManual() const { return read.manual; }
    bool readMinute() const { return readMinute_; }

    // "=>": the page's entry hhmm goes into its list as hh:mm, in sorted place; the entry is
    // emptied either way. Returns kTimeWarning when the entry is not four digits of a time of day
    // (hours 00 ... 23, minutes 00 ... 59), a message when the list is full, else empty.
    static QString addTime(Page& page);
    // "löschen": removes the time at `index`; returns the index of the time now in its place, or
    // -1 when the list has none there (or `index` was no time).
    static int removeTime(Page& page, int index);

    Page import;
    Page read;

protected:
    // Writes both lists in one write (a failure is told to the user and nothing is taken), then the
    // folders with a trailing "/", the three boxes and the next due times.
    std::optional<FieldProblem> apply() override;

private:
    Settings& settings_;
    ScheduleTimesLink scheduler_;
    bool readMinute_ = false;
};
