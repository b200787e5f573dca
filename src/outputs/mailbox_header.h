// The mailbox header line that heads the WinGT Import pages and the ASYNOP file.
#pragma once

#include <QDateTime>
#include <QString>

#include "base/formats.h"

// Recipient filled with blanks to at least 17 characters, "de:", sender, date, time, "   10" and
// "        0 Bytes": e.g. "ALL              de:QQ9ZZ 07.12.2026 21:30:05   10        0 Bytes".
QString MailboxHeaderLine(const QString& recipient, const QString& sender, const QDateTime& now,
                          const Formats& formats);
