// The model of the dialog "Profile": the list of profile names and the fields of the shown profile.
// Adding, deleting and storing change the profile table at once, as the dialog does while it is
// open; "Abbrechen" only drops the fields not stored.
#pragma once

#include <QStringList>

#include "base/dialog_model.h"
#include "config/settings.h"

class ProfileSettingsModel : public DialogModel {
public:
    // Id of the daily time field.
    static constexpr const char* kTimeField = "Uhrzeit";

    explicit ProfileSettingsModel(Settings& settings) : settings_(settings) {}

    // The lines of a multi-line field's text ("a\nb\n" is two lines, "" none) and back.
    static QStringList linesOf(const QString& text);
    static QString textOf(const QStringList& lines);

    // The names of slots 1 ... ProfileCount, the first selected and shown; with no profiles the
    // fields are emptied.
    void fill() override;
    // A daily time that is no hh:mm (00:00 ... 23:59) while "1x täglich" is chosen.
    std::vector<FieldProblem> problems() const override;

    // Shows the profile at list position `position`; unstored changes to the fields are dropped.
    void select(int position);
    // "&Speichern": stores the fields into the current slot; refused like "OK" on a bad time.
    std::optional<FieldProblem> store() { return take(); }
    // "&Neu...": a new profile of this name at the end of the list, selected; the fields keep what
    // they show. Returns why the name is refused (empty, in use, reserved, unsafe, table full) and
    // changes nothing then; else empty.
    QString addNew(const QString& name);
    // "&Löschen" after the confirmation: removes the current profile, then shows the first.
    void deleteSelected();

    // The current slot: the selected position + 1, or slot 1 when nothing is selected.
    int currentSlot() const { return selected < 0 ? 1 : selected + 1; }

    QStringList names;  // list position p is slot p + 1
    int selected = -1;
    QString absender;
    QString empfaenger;
    QString betreff;
    QString vorText;
    QString nachText;
    bool wieWinGT = true;  // "Wie WinGT-Import", else "1x täglich um ... Uhr"
    QString uhrzeit;

protected:
    // Stores the fields into the current slot; nothing when the list is empty.
    std::optional<FieldProblem> apply() override;

private:
    void show();
    void showFields(const Profile& p);

    Settings& settings_;
};
