// Profile names: a name is the name of the profile's section in wetterpult.ini and the file name
// stem of its Import page, so it must stand as both.
#pragma once

#include <QString>
#include <QStringList>

// Why the name cannot be given to a new profile, as a German message; empty when it can. Refused:
// an empty name, blanks at either end, control characters, "[", "]", "=", "/", "\", a leading ".",
// the name of one of the program's own sections, and a name already in use (names are compared
// without regard to case, as sections are).
QString profileNameProblem(const QString& name, const QStringList& namesInUse = {});

// A file name stem for the name that never leads out of its folder: "/", "\" and control characters
// become "_", and so does a leading "."; an empty name gives "_". A sound name is returned as it
// is.
QString profileFileStem(const QString& name);
