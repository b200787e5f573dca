// "Datei" -> "Wetterlog importieren...": the choice of old weather-log files, the import with a
// progress dialog, and the summary at the end.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Asks for log files (starting in `logFolder`) and imports them into the archive.
void importLogsWithDialog(QWidget* parent, const QString& archivePath, const QString& logFolder);

// Imports these files with a progress dialog and shows the summary; returns the summary text.
QString importLogFiles(QWidget* parent, const QString& archivePath, const QStringList& files);
