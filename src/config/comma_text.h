// The comma text of the profile keys VOR and NACH: the lines of a multi-line text joined by commas,
// a line with blanks, control characters, commas or double quotes enclosed in double quotes.
#pragma once

#include <QString>
#include <QStringList>

// The lines as one comma text; a single empty line is written as "" and no lines as nothing.
QString toCommaText(const QStringList& lines);

// The lines of a comma text: split at commas and at blanks outside double quotes; a comma at the
// very end adds an empty last line.
QStringList fromCommaText(const QString& text);
