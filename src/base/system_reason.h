// The system's reason for a failed file operation, in German, as the program's messages add it:
// "Platte voll", "schreibgeschützt", ... Qt reports reasons in the text of the C library.
#pragma once

#include <QString>

// The German reason for an errno value; the C library's own text for a value not in the table.
QString germanReason(int errorNumber);

// The German reason for a reason text Qt gave (QFile::errorString() of a failed system call); any
// other text is returned as it stands.
QString germanReason(const QString& systemText);
