// An INI file held as its lines: read and written as Windows-1252, section and key names matched
// without regard to case, every line the program does not write kept byte for byte as it was.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class IniFile {
public:
    // Values longer than this are read back cut to this many characters.
    static constexpr int kMaxValueLength = 2047;

    IniFile() = default;
    // The lines of these bytes (Windows-1252, or UTF-8 after a byte order mark; CR LF, LF or CR,
    // or no end on the last line).
    static IniFile fromBytes(const QByteArray& bytes);

    // Reads the file. A missing file gives an empty one; false (and *error) only when the file
    // exists but cannot be read.
    bool load(const QString& path, QString* error = nullptr);
    // The file's bytes: unchanged lines as they were read, new or changed lines in Windows-1252
    // with CR LF.
    QByteArray toBytes() const;
    // Replaces the file with toBytes(), all or nothing.
    bool save(const QString& path, QString* error = nullptr) const;

    // True when the section holds at least one key.
    bool hasKeys(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;
    // The key names and the values of a section, in file order.
    QStringList keys(const QString& section) const;
    QStringList values(const QString& section) const;

    // The value, or the default when the key is missing.
    QString readString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal after "0x", "0X" or "$"; a missing key or no number gives the
    // default.
    int readInteger(const QString& section, const QString& key, int def) const;
    // An integer; anything but 0 is true.
    bool readBool(const QString& section, const QString& key, bool def) const;

    // Replaces the value where the key stands, else adds the key at the end of its section, else
    // adds the section at the end of the file.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

    // Removes every section of this name with all its lines.
    void eraseSection(const QString& section);

    // Reads an integer the way the file stores it; false when the text is no number.
    static bool parseInteger(const QString& text, int* value);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QByteArray raw;  // the bytes as read, without the line end; rebuilt when text changes
        QByteArray end;  // "\r\n", "\n" or "" (last line without an end)
        QString text;    // the decoded line
        Kind kind = Kind::Other;
        QString name;        // section name or key name
        int valueStart = 0;  // Key: index in text of the first character after "="
    };

    static Line parse(QByteArray raw, QByteArray end);
    // First line and one past the last line of the first section of this name; -1 when missing.
    std::pair<int, int> sectionRange(const QString& section) const;
    int findKey(const QString& section, const QString& key) const;
    void insertLine(int at, const QString& text);

    std::vector<Line> lines_;
};
