#include "config/settings.h"

#include <QDir>

void Settings::setProgramFolder(const QString& folder) {
    ProgramFolder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    APRSDatei = ProgramFolder + QStringLiteral("aprs.txt");
    WinGTImport = ProgramFolder;
    WinGTRead = ProgramFolder;
    LogOrdner = ProgramFolder;
    ASYNOPDatei = ProgramFolder + QStringLiteral("asynoptmp.txt");
}

QString Settings::archivePath() const {
    if (QDir::isAbsolutePath(ArchivDatei))
        return ArchivDatei;
    return ProgramFolder.isEmpty() ? QString() : ProgramFolder + ArchivDatei;
}

bool Settings::holdsSecret() const {
    return !MQTTPasswort.isEmpty() || !WUSchluessel.isEmpty() ||
           Passcode.trimmed() != QLatin1String("-1");
}
