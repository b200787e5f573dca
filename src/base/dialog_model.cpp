#include "base/dialog_model.h"

#include <limits>

std::optional<FieldProblem> DialogModel::take() {
    const std::vector<FieldProblem> found = problems();
    if (!found.empty())
        return found.front();
    return apply();
}

QString notIntegerMessage(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}

std::optional<int> wholeNumber(const QString& text, int minimum, int maximum) {
    const QString t = text.trimmed();
    int digitsFrom = 0;
    if (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-')))
        digitsFrom = 1;
    if (t.size() == digitsFrom)
        return std::nullopt;
    qint64 value = 0;
    for (qsizetype i = digitsFrom; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (t.startsWith(QLatin1Char('-')))
        value = -value;
    if (value < minimum || value > maximum)
        return std::nullopt;
    return int(value);
}

void checkWholeNumber(std::vector<FieldProblem>& problems, const QString& field,
                      const QString& text, int minimum, int maximum) {
    if (!wholeNumber(text, minimum, maximum))
        problems.push_back({field, notIntegerMessage(text)});
}
