#include "config/comma_text.h"

namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');

// Blanks and control characters: they end an unquoted line and are skipped between lines.
bool isSpace(QChar c) {
    return c.unicode() >= 1 && c.unicode() <= 0x20;
}

bool needsQuotes(const QString& line) {
    for (const QChar c : line) {
        if (c.unicode() <= 0x20 || c == kQuote || c == kComma)
            return true;
    }
    return false;
}

}  // namespace

QString toCommaText(const QStringList& lines) {
    if (lines.size() == 1 && lines.first().isEmpty())
        return QStringLiteral("\"\"");
    QStringList parts;
    parts.reserve(lines.size());
    for (const QString& line : lines) {
        if (needsQuotes(line)) {
            QString quoted = line;
            quoted.replace(kQuote, QStringLiteral("\"\""));
            parts << kQuote + quoted + kQuote;
        } else {
            parts << line;
        }
    }
    return parts.join(kComma);
}

QStringList fromCommaText(const QString& text) {
    QStringList lines;
    // A NUL character ends the text, as it ends the line in the file's own reading.
    const qsizetype nul = text.indexOf(QChar(0));
    const qsizetype n = nul < 0 ? text.size() : nul;
    qsizetype p = 0;
    while (p < n && isSpace(text.at(p)))
        ++p;
    while (p < n) {
        QString line;
        if (text.at(p) == kQuote) {
            // A quoted line runs to the next single quote; a doubled quote stands for one.
            ++p;
            while (p < n) {
                if (text.at(p) == kQuote) {
                    if (p + 1 < n && text.at(p + 1) == kQuote) {
                        line += kQuote;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                line += text.at(p++);
            }
        } else {
            const qsizetype start = p;
            while (p < n && text.at(p).unicode() > 0x20 && text.at(p) != kComma)
                ++p;
            line = text.mid(start, p - start);
        }
        lines << line;
        while (p < n && isSpace(text.at(p)))
            ++p;
        if (p < n && text.at(p) == kComma) {
            if (p + 1 == n)
                lines << QString();
            do {
                ++p;
            } while (p < n && isSpace(text.at(p)));
        }
    }
    return lines;
}
