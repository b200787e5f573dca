// Writes the minute rows into the archive on a thread of its own with its own connection and its
// statements prepared once, all rows waiting in one transaction (one per minute while live), so
// that the user-interface thread only hands a row over. While the file
// cannot be written (busy, locked, read-only, disk full) the rows wait in memory, a day of them at
// most, one message says why, and they are written once the file works again.
#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <deque>

#include "archive/minute_row.h"

class ArchiveWorker;

inline constexpr std::size_t kArchiveQueueRows = 24 * 60;
// More rows waiting than this while the file works (a replay faster than the disk): the hand-over
// waits for the worker, so that no row gives way.
inline constexpr std::size_t kArchiveBackPressureRows = 600;

class ArchiveWriter : public QObject {
    Q_OBJECT
public:
    // `retryMs`: how long after a failure the writer tries again.
    explicit ArchiveWriter(const QString& path, int retryMs = 30000, QObject* parent = nullptr);
    ~ArchiveWriter() override;

    QString path() const { return path_; }

    // Hands a row over (returns at once while the worker keeps up; see kArchiveBackPressureRows).
    void submit(const MinuteRow& row);
    // Waits until the worker has tried every row handed over so far; true when none is left
    // waiting. For the end of the run and for tests.
    bool flush();
    // Rows handed over and not yet written.
    std::size_t waitingRows() const;
    // The end of the run: one last attempt at every waiting row, at once even while a retry is
    // due, bounded by the file's busy timeout. Rows still waiting then are told of in one message
    // and their number returned. Once only; later calls return the rows left.
    std::size_t finish();

signals:
    // Rows up to this minute are in the archive (for windows that follow the archive live).
    void written(qint64 lastMinute);

private:
    friend class ArchiveWorker;
    void failed(const QString& reason);

    QString path_;
    QThread thread_;
    ArchiveWorker* worker_ = nullptr;
    mutable QMutex mutex_;
    std::deque<MinuteRow> queue_;  // guarded by mutex_
    std::atomic<bool> failing_{false};
    QString lastReason_;  // guarded by mutex_
    bool finished_ = false;
};
