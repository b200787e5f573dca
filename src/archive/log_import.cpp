#include "archive/log_import.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <atomic>

#include "archive/archive_schema.h"
#include "archive/log_line.h"
#include "base/formats.h"
#include "base/text_file.h"

namespace {
// Rows per transaction: big enough to be quick, small enough not to keep the live writer waiting.
constexpr int kRowsPerTransaction = 2000;

bool isLogFileName(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("^(t\\d\\d\\.\\d\\d\\.\\d{4}|w\\d{1,2}\\.\\d{4}|[^.]+\\.\\d{4})\\.txt$"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

QString grouped(qint64 n) {
    return Formats::grouped(n);
}
}  // namespace

QString logImportSummary(const LogImportCounts& c) {
    QString text = QString::fromUtf8("%1 %2 übernommen, %3 übersprungen")
                       .arg(grouped(c.taken),
                            c.taken == 1 ? QStringLiteral("Zeile") : QStringLiteral("Zeilen"),
                            grouped(c.skipped));
    if (c.present > 0)
        text += QStringLiteral(", %1 schon im Archiv").arg(grouped(c.present));
    return text;
}

QStringList logImportFiles(const QStringList& paths) {
    QStringList files;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            files << path;  // a file named on its own is read whatever its name
            continue;
        }
        QStringList found;
        QDirIterator it(path, {QStringLiteral("*.txt"), QStringLiteral("*.TXT")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (isLogFileName(QFileInfo(file).fileName()))
                found << file;
        }
        found.sort();
        files << found;
    }
    return files;
}

bool LogImport::run(const QString& archivePath, const QStringList& files, LogImportCounts* counts,
                    QString* error, const Progress& progress) {
    static std::atomic<int> serial{0};
    const QString connection = QStringLiteral("archive-import-%1").arg(++serial);
    bool good = openArchive(archivePath, connection, error);
    if (good) {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        MinuteInsert insert(db);
        LocalTimeRun run;  // the lines of the files read in order, across the clock changes
        for (int i = 0; good && i < files.size(); ++i) {
            if (progress && !progress(i, int(files.size()), files[i]))
                break;
            QFile file(files[i]);
            if (!file.open(QIODevice::ReadOnly)) {
                // An unreadable file is skipped like a damaged line; the others are still read.
                ++counts->skipped;
                continue;
            }
            ++counts->files;
            // The rows of the open transaction count only once it is committed: a disk that fills
            // up refuses the commit, not the insert.
            LogImportCounts pending;
            auto refused = [&](const QSqlError& failure) {
                *error = QStringLiteral("Das Archiv %1 kann nicht geschrieben werden: %2")
                             .arg(archivePath, archiveReason(failure));
                db.rollback();
                return false;
            };
            auto begin = [&] { return db.transaction() || refused(db.lastError()); };
            auto commit = [&] {
                if (db.commit()) {
                    counts->taken += pending.taken;
                    counts->present += pending.present;
                    pending = {};
                    return true;
                }
                return refused(db.lastError());
            };
            good = begin();
            while (good && !file.atEnd()) {
                LogLineResult line = readLogLine(textfile::fromWindows1252(file.readLine()));
                if (line.kind == LogLineKind::Damaged)
                    ++counts->skipped;
                if (line.kind != LogLineKind::Data)
                    continue;
                placeLogLine(line, run);
                QSqlError failure;
                bool added = false;
                if (!insert.insert(line.row, &failure, &added)) {
                    good = refused(failure);
                    break;
                }
                ++(added ? pending.taken : pending.present);
                if (pending.taken + pending.present == kRowsPerTransaction)
                    good = commit() && begin();
            }
            if (good)
                good = commit();
        }
    }
    closeArchive(connection);
    return good;
}
