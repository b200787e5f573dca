#include "base/text_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace textfile {

QByteArray toWindows1252(const QString& text) {
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return text.toLatin1();
    QByteArray out;
    out.reserve(text.size());
    // Encode character by character so that a character without a Windows-1252 byte becomes "?"
    // instead of the encoder's substitution byte.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            out.append(char(c.unicode()));
            continue;
        }
        QByteArray one = encoder.encode(QStringView(&text.data()[i], 1));
        if (encoder.hasError() || one.size() != 1 || one.at(0) == '\x1a') {
            encoder.resetState();
            out.append('?');
        } else {
            out.append(one);
        }
    }
    return out;
}

QString fromWindows1252(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray crlfLines(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) {
        out += toWindows1252(line);
        out += "\r\n";
    }
    return out;
}

bool replaceWhole(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // QSaveFile::commit() drops an error of its final flush (a disk that fills up in the middle),
    // so the buffer is flushed here and a short write cancels the new file.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool append(const QString& path, const QByteArray& bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool makeFolder(const QString& path) {
    return QDir().mkpath(path);
}

}  // namespace textfile
