// The program folder, where wetterpult.ini and the default output files live: the --folder option
// when given, else the executable's folder when it is writable, else ~/.local/share/wetterpult/.
#pragma once

#include <QString>

// The program folder as an absolute path ending with "/", created when missing. `folderOption` is
// the value of --folder (empty when not given). On failure returns an empty text and sets *error to
// a German message.
QString resolveProgramFolder(const QString& folderOption, const QString& executableFolder,
                             QString* error = nullptr);

// The fallback folder: $XDG_DATA_HOME/wetterpult/ when that variable holds an absolute path, else
// ~/.local/share/wetterpult/.
QString userDataFolder();
