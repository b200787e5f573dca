// Adding and deleting report profiles in the table of 100 slots, as the profiles dialog does.
#pragma once

#include <QString>

#include "config/settings.h"

// Puts a new profile with this name into slot ProfileCount + 1; its other fields are the defaults
// of an empty profile. Returns a German message and changes nothing when the table is full or the
// name cannot stand as a profile name (profileNameProblem); else returns an empty text.
QString addProfile(Settings& settings, const QString& name);

// Removes profile `slot` (1 ... ProfileCount): the slots after it move down by one, the last used
// slot becomes empty and ProfileCount falls by one. Other slot numbers do nothing.
void deleteProfile(Settings& settings, int slot);
