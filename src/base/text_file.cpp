#include "base/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <filesystem>

#include "base/system_reason.h"

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

bool replaceWhole(const QString& path, const QByteArray& bytes, QString* error,
                  WriteFailure* failure) {
    auto fail = [&](const QString& reason, WriteFailure step) {
        if (error)
            *error = germanReason(reason);
        if (failure)
            *failure = step;
        return false;
    };
    if (failure)
        *failure = WriteFailure::None;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString(), WriteFailure::Create);
    // QSaveFile::commit() drops an error of its final flush (a disk that fills up in the middle),
    // so the buffer is flushed here and a short write cancels the new file.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason, WriteFailure::Write);
    }
    if (!file.commit())
        return fail(file.errorString(), WriteFailure::Write);
    return true;
}

namespace {
// Appends without Qt's write buffer, so that a failed write can be undone by cutting the file back
// to its former size before anything else touches it.
bool appendBytes(const QString& path, const QByteArray& bytes, bool mayCreate, QString* error) {
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
    if (!mayCreate)
        mode |= QIODevice::ExistingOnly;
    if (!file.open(mode)) {
        if (error)
            *error = germanReason(file.errorString());
        return false;
    }
    const qint64 before = file.size();
    if (file.write(bytes) == bytes.size())
        return true;
    if (error)
        *error = germanReason(file.errorString());
    if (existed) {
        file.resize(before);
    } else {
        file.close();
        QFile::remove(path);
    }
    return false;
}
}  // namespace

bool append(const QString& path, const QByteArray& bytes, QString* error) {
    return appendBytes(path, bytes, true, error);
}

bool appendExisting(const QString& path, const QByteArray& bytes, QString* error) {
    return appendBytes(path, bytes, false, error);
}

bool copyReplacing(const QString& source, const QString& target, QString* error) {
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (to.exists() && from.exists() && from.canonicalFilePath() == to.canonicalFilePath())
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = germanReason(in.errorString());
        return false;
    }
    const QByteArray bytes = in.readAll();
    return replaceWhole(target, bytes, error);
}

bool makeFolder(const QString& path, QString* error) {
    std::error_code failure;
    std::filesystem::create_directories(
        std::filesystem::path(QFile::encodeName(path).toStdString()), failure);
    if (!failure && QFileInfo(path).isDir())
        return true;
    if (error)
        *error = failure ? germanReason(failure.value()) : germanReason(ENOTDIR);
    return false;
}

QString failureDetails(const QString& path, const QString& reason) {
    return reason.isEmpty() ? path : path + QStringLiteral(": ") + reason;
}

}  // namespace textfile
