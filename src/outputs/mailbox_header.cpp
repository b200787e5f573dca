#include "outputs/mailbox_header.h"

QString MailboxHeaderLine(const QString& recipient, const QString& sender, const QDateTime& now,
                          const Formats& formats) {
    return recipient.leftJustified(17) + QStringLiteral("de:") + sender + QLatin1Char(' ') +
           formats.shortDate(now.date()) + QLatin1Char(' ') + formats.longTime(now.time()) +
           QStringLiteral("   10") + QStringLiteral("        0 Bytes");
}
