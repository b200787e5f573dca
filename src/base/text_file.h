// Text files for other programs: Windows-1252 bytes with CR LF line ends. A file that is rewritten
// whole is replaced atomically (written beside the old one, then renamed over it), so a reader
// never sees half a file and a failed write leaves the old file as it was. Logs are appended.
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

// Which step of a write failed: the file could not be created (or opened), or its bytes could not
// be written and stored.
enum class WriteFailure { None, Create, Write };

// Replaces the file with these bytes, all or nothing. On failure returns false, the old file is
// untouched, *error (when given) holds the system's reason in German (system_reason.h) and
// *failure (when given) the step. The other functions give their reasons in the same way.
bool replaceWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                  WriteFailure* failure = nullptr);

// Appends these bytes to the file, creating it when missing. The file is never read. When the
// write fails, the file is cut back to what it held before (a file this call created is removed),
// so no half line is left behind.
bool append(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// As append, but the file must exist already; a missing file is an error and is not created.
bool appendExisting(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Replaces target with a copy of source's bytes, all or nothing. Copying a file onto itself
// changes nothing and succeeds.
bool copyReplacing(const QString& source, const QString& target, QString* error = nullptr);

// Creates a folder with all missing parents; true when it exists afterwards. On failure *error
// (when given) holds the system's reason.
bool makeFolder(const QString& path, QString* error = nullptr);

// The details a failure message adds: the path and the system's reason, "<path>: <reason>".
QString failureDetails(const QString& path, const QString& reason);

}  // namespace textfile
