#include "display/display_texts.h"

#include <QDate>

QString TenthsText(qint64 tenths, const Formats& formats) {
    if (tenths % 10 == 0)
        return QString::number(tenths / 10);
    return formats.fixed(tenths, 1);
}

namespace {
QString twoDigitsAtLeast(int v) {
    return v < 10 ? QStringLiteral("0") + QString::number(v) : QString::number(v);
}
}  // namespace

std::optional<QString> ExtremeTimeText(int minute, int hour, int day, int month, int year,
                                       const Formats& formats) {
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return twoDigitsAtLeast(hour) + QStringLiteral(":") + twoDigitsAtLeast(minute) +
           QStringLiteral("  ") + formats.shortDate(date);
}

QString Rain24hText(quint16 rain24h) {
    const qint16 difference = qint16(rain24h);
    if (difference < 0)
        return QStringLiteral("Seit 24h: -- mm");
    return QStringLiteral("Seit 24h: ") + QString::number(difference) + QStringLiteral(" mm");
}
