// Opens the user manual (readme.htm) with the desktop's browser; a manual that is not there is
// reported instead of being silently ignored.
#pragma once

#include <QString>

// Where the manual is looked for: beside the program, then in the installed documentation folder
// (../share/doc/wetterpult). The first that exists, else the first place.
QString readmePath(const QString& programDir);
// Asks the desktop to open the manual at `path`; a missing file or a desktop that cannot open it
// gives a message. Returns whether the desktop took it.
bool openReadme(const QString& path);
