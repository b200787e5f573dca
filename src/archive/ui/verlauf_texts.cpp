#include "archive/ui/verlauf_texts.h"

#include <QDateTime>

#include "base/formats.h"

namespace verlauf {
QString dash() {
    return QString::fromUtf8("–");
}

QString shown(const std::optional<std::int32_t>& v, int decimals, const char* unit) {
    if (!v)
        return dash();
    return Formats::german().fixed(*v, decimals) + QLatin1Char(' ') + QString::fromUtf8(unit);
}

QString localText(std::int64_t seconds, const char* form) {
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QString::fromLatin1(form));
}

QString timedText(const std::optional<TimedValue>& v, int decimals, const char* unit) {
    if (!v)
        return dash();
    return shown(v->value, decimals, unit) + QStringLiteral("\n") +
           localText(v->minute, "dd.MM.yyyy HH:mm");
}
}  // namespace verlauf
