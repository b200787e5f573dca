// Text files for other programs: Windows-1252 bytes with CR LF line ends. A file that is rewritten
// whole is replaced atomically (written beside the old one, then renamed over it), so a reader never
// sees half a file and a failed write leaves the old file as it was. Logs are appended.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace textfile {

// Windows-1252 bytes of a text; characters without a Windows-1252 byte become "?".
QByteArray toWindows1252(const QString& text);
// The text of Windows-1252 bytes.
QString fromWindows1252(const QByteArray& bytes);

// Each line followed by CR LF, encoded as Windows-1252.
QByteArray crlfLines(const QStringList& lines);

// Replaces the file with these bytes, all or nothing. On failure returns false, the old file is
// untouched, and *error (when given) holds the system's reason.
bool replaceWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Appends these bytes to the file, creating it when missing.
bool append(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Creates a folder with all missing parents; true when it exists afterwards.
bool makeFolder(const QString& path);

}  // namespace textfile
