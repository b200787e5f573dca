// The one contract of every settings dialog's model: filled from the settings when the dialog is
// shown, the fields edited by the window, and "OK" taking them back only when every field holds a
// value it can take, so that a refused "OK" leaves the settings exactly as they were.
#pragma once

#include <QString>
#include <optional>
#include <vector>

// A field that cannot be taken: its id (the object name of the control that edits it) and the
// German message for the user. An empty message means the program has already told the user.
struct FieldProblem {
    QString field;
    QString message;
    bool operator==(const FieldProblem&) const = default;
};

class DialogModel {
public:
    virtual ~DialogModel() = default;

    // Sets every field from the current settings, as the dialog does when it is shown.
    virtual void fill() = 0;
    // Every field that cannot be taken, in the order "OK" takes them; empty when all can.
    virtual std::vector<FieldProblem> problems() const = 0;

    // "OK": when a field cannot be taken, nothing is taken and the first such field is returned;
    // else every field is taken in the dialog's order. A step that fails while taking (a file that
    // cannot be written) has told the user itself, ends the taking there and is returned with an
    // empty message.
    std::optional<FieldProblem> take();

protected:
    // Takes every field into the settings, in the dialog's order. Called only when problems() is
    // empty. A failing step returns its problem and the steps after it are not carried out.
    virtual std::optional<FieldProblem> apply() = 0;
};

// "'<text>' ist kein gültiger Integerwert": the message for a number field that holds no whole
// number the setting can take.
QString notIntegerMessage(const QString& text);

// The whole number in a field: optional blanks, an optional sign, decimal digits, optional
// blanks. Nothing when the text is no such number or lies outside minimum ... maximum.
std::optional<int> wholeNumber(const QString& text, int minimum, int maximum);

// Adds the integer message for `field` to `problems` when `text` is no whole number in
// minimum ... maximum.
void checkWholeNumber(std::vector<FieldProblem>& problems, const QString& field,
                      const QString& text, int minimum, int maximum);
