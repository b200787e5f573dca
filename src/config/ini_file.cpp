#include "config/ini_file.h"

#include <QFile>
#include <cstdint>

#include "base/system_reason.h"
#include "base/text_file.h"

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimBlanks(const QString& s) {
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && isBlank(s.at(from)))
        ++from;
    while (to > from && isBlank(s.at(to - 1)))
        --to;
    return s.mid(from, to - from);
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

}  // namespace

IniFile IniFile::fromBytes(const QByteArray& input) {
    IniFile ini;
    QByteArray bytes = input;
    // An editor that saved the file as UTF-8 put a byte order mark in front of the first section:
    // the text is taken as UTF-8 and its lines are kept in the file's own Windows-1252.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = textfile::toWindows1252(QString::fromUtf8(bytes.sliced(3)));
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        // A line ends with CR LF, LF or a lone CR (an old Mac editor).
        qsizetype stop = pos;
        while (stop < bytes.size() && bytes.at(stop) != '\n' && bytes.at(stop) != '\r')
            ++stop;
        if (stop == bytes.size()) {
            ini.lines_.push_back(parse(bytes.mid(pos), {}));
            break;
        }
        qsizetype next = stop + 1;
        if (bytes.at(stop) == '\r' && next < bytes.size() && bytes.at(next) == '\n')
            ++next;
        ini.lines_.push_back(parse(bytes.mid(pos, stop - pos), bytes.mid(stop, next - stop)));
        pos = next;
    }
    return ini;
}

IniFile::Line IniFile::parse(QByteArray raw, QByteArray end) {
    Line line;
    line.text = textfile::fromWindows1252(raw);
    line.raw = std::move(raw);
    line.end = std::move(end);

    const QString& t = line.text;
    qsizetype first = 0;
    while (first < t.size() && isBlank(t.at(first)))
        ++first;
    if (first < t.size() && t.at(first) == QLatin1Char('[')) {
        // The name runs to the last "]", so that names holding brackets still find their section.
        const qsizetype close = t.lastIndexOf(QLatin1Char(']'));
        const qsizetype stop = close > first ? close : t.size();
        line.kind = Kind::Section;
        line.name = trimBlanks(t.mid(first + 1, stop - first - 1));
        return line;
    }
    if (first < t.size() && t.at(first) == QLatin1Char(';'))
        return line;  // a comment
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return line;
    QString key = trimBlanks(t.left(eq));
    if (key.isEmpty())
        return line;
    line.kind = Kind::Key;
    line.name = std::move(key);
    line.valueStart = int(eq + 1);
    return line;
}

bool IniFile::load(const QString& path, QString* error) {
    lines_.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = germanReason(file.errorString());
        return false;
    }
    *this = fromBytes(file.readAll());
    return true;
}

QByteArray IniFile::toBytes() const {
    QByteArray out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += line.end;
    }
    return out;
}

bool IniFile::save(const QString& path, QString* error) const {
    return textfile::replaceWhole(path, toBytes(), error);
}

std::pair<int, int> IniFile::sectionRange(const QString& section) const {
    const int n = int(lines_.size());
    for (int i = 0; i < n; ++i) {
        if (lines_[std::size_t(i)].kind != Kind::Section)
            continue;
        if (!sameName(lines_[std::size_t(i)].name, section))
            continue;
        int end = i + 1;
        while (end < n && lines_[std::size_t(end)].kind != Kind::Section)
            ++end;
        return {i, end};
    }
    return {-1, -1};
}

int IniFile::findKey(const QString& section, const QString& key) const {
    const auto [first, end] = sectionRange(section);
    for (int i = first + 1; first >= 0 && i < end; ++i) {
        const Line& line = lines_[std::size_t(i)];
        if (line.kind == Kind::Key && sameName(line.name, key))
            return i;
    }
    return -1;
}

bool IniFile::hasKeys(const QString& section) const {
    return !keys(section).isEmpty();
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return findKey(section, key) >= 0;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList out;
    const auto [first, end] = sectionRange(section);
    for (int i = first + 1; first >= 0 && i < end; ++i) {
        if (lines_[std::size_t(i)].kind == Kind::Key)
            out << lines_[std::size_t(i)].name;
    }
    return out;
}

QStringList IniFile::values(const QString& section) const {
    QStringList out;
    const auto [first, end] = sectionRange(section);
    for (int i = first + 1; first >= 0 && i < end; ++i) {
        const Line& line = lines_[std::size_t(i)];
        if (line.kind == Kind::Key) {
            out << trimBlanks(line.text.mid(line.valueStart)).left(kMaxValueLength);
        }
    }
    return out;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
    const int i = findKey(section, key);
    if (i < 0)
        return def;
    const Line& line = lines_[std::size_t(i)];
    return trimBlanks(line.text.mid(line.valueStart)).left(kMaxValueLength);
}

bool IniFile::parseInteger(const QString& text, int* value) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text.at(i) == QLatin1Char('$')) {
        hex = true;
        i += 1;
    } else if (i + 1 < text.size() && text.at(i) == QLatin1Char('0') &&
               (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        hex = true;
        i += 2;
    }
    if (i >= text.size())
        return false;

    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = hexDigit(text.at(i));
        if (d < 0 || (!hex && d > 9))
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + d;
        // Hexadecimal fills the 32 bits (0x8000000F is a negative number); decimal must fit.
        if (magnitude > (hex ? qint64(0xFFFFFFFF) : qint64(0x80000000)))
            return false;
    }
    if (hex) {
        const auto bits = std::uint32_t(magnitude);
        *value = negative ? int(0u - bits) : int(bits);
        return true;
    }
    if (!negative && magnitude > 0x7FFFFFFF)
        return false;
    *value = int(negative ? -magnitude : magnitude);
    return true;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const {
    int value = 0;
    return parseInteger(readString(section, key, QString()), &value) ? value : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::insertLine(int at, const QString& text) {
    if (at > 0 && lines_[std::size_t(at - 1)].end.isEmpty())
        lines_[std::size_t(at - 1)].end = "\r\n";
    lines_.insert(lines_.begin() + at, parse(textfile::toWindows1252(text), "\r\n"));
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    // A line break inside a value would cut the file's structure; it is written as a blank.
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));

    const int at = findKey(section, key);
    if (at >= 0) {
        Line& line = lines_[std::size_t(at)];
        const QString old = line.text.mid(line.valueStart);
        if (trimBlanks(old) == v)
            return;  // the line stays byte for byte as it was
        qsizetype lead = 0;
        while (!v.isEmpty() && lead < old.size() && isBlank(old.at(lead)))
            ++lead;
        const QString text = line.text.left(line.valueStart + lead) + v;
        line = parse(textfile::toWindows1252(text), line.end);
        return;
    }
    const QString text = key + QLatin1Char('=') + v;
    const auto [first, end] = sectionRange(section);
    if (first >= 0) {
        int after = first;
        for (int i = first + 1; i < end; ++i) {
            if (lines_[std::size_t(i)].kind == Kind::Key)
                after = i;
        }
        insertLine(after + 1, text);
        return;
    }
    if (!lines_.empty() && !trimBlanks(lines_.back().text).isEmpty()) {
        insertLine(int(lines_.size()), QString());
    }
    insertLine(int(lines_.size()), QLatin1Char('[') + section + QLatin1Char(']'));
    insertLine(int(lines_.size()), text);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::eraseSection(const QString& section) {
    for (auto range = sectionRange(section); range.first >= 0; range = sectionRange(section)) {
        lines_.erase(lines_.begin() + range.first, lines_.begin() + range.second);
    }
}
