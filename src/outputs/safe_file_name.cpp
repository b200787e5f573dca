#include "outputs/safe_file_name.h"

bool IsSafeFileStem(const QString& name) {
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 ||
            c.unicode() == 0x7F)
            return false;
    }
    return true;
}
