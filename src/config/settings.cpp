#include "config/settings.h"

void Settings::setProgramFolder(const QString& folder) {
    ProgramFolder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    APRSDatei = ProgramFolder + QStringLiteral("aprs.txt");
    WinGTImport = ProgramFolder;
    WinGTRead = ProgramFolder;
    LogOrdner = ProgramFolder;
    ASYNOPDatei = ProgramFolder + QStringLiteral("asynoptmp.txt");
}
