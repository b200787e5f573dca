// Where the program keeps wetterpult.ini and its default output files: the folder given on the
// command line, else the executable's folder when it is writable, else a folder in the user's home.
#pragma once

#include <QString>

// The program folder, ending with "/", created when missing. optionFolder is the folder given
// with --folder (empty when none); executableFolder the folder of the running program.
QString resolveProgramFolder(const QString& optionFolder, const QString& executableFolder);
