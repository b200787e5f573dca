#include "archive/archive_writer.h"

#include <QSqlDatabase>
#include <QTimer>
#include <atomic>
#include <memory>
#include <vector>

#include "archive/archive_schema.h"
#include "base/notifier.h"

// Lives on the writer's thread and owns the connection there.
class ArchiveWorker : public QObject {
public:
    ArchiveWorker(ArchiveWriter& owner, int retryMs) : owner_(owner) {
        static std::atomic<int> serial{0};
        connection_ = QStringLiteral("archive-writer-%1").arg(++serial);
        // A child, so that it moves to the writer's thread with the worker.
        retry_ = new QTimer(this);
        retry_->setSingleShot(true);
        retry_->setInterval(retryMs);
        QObject::connect(retry_, &QTimer::timeout, this, [this] { drain(); });
    }

    // Writes every waiting row, oldest first, in one transaction: while live that is the one row
    // of the minute just over; after a spell of failures, or while a replay runs ahead, it is all
    // that piled up. A failure leaves the rows waiting and tries again later on a fresh connection.
    void drain() {
        if (retry_->isActive())
            return;  // failed lately: the retry comes
        qint64 last = -1;
        for (;;) {
            std::vector<MinuteRow> rows;
            {
                QMutexLocker lock(&owner_.mutex_);
                rows.assign(owner_.queue_.begin(), owner_.queue_.end());
            }
            if (rows.empty())
                break;
            QString reason;
            if (!write(rows, &reason)) {
                fail(reason);
                break;
            }
            {
                // Rows the queue let go of meanwhile (a day is kept) are skipped.
                QMutexLocker lock(&owner_.mutex_);
                for (const MinuteRow& row : rows)
                    if (!owner_.queue_.empty() && owner_.queue_.front().minute == row.minute)
                        owner_.queue_.pop_front();
            }
            failing_ = false;
            owner_.failing_ = false;
            last = rows.back().minute;
        }
        if (last >= 0)
            emit owner_.written(last);
    }

    // The last try at the end of the run: whatever the retry timer says, and without the message
    // of a new failure spell (the writer's owner tells what is left).
    void lastAttempt() {
        retry_->stop();
        quiet_ = true;
        drain();
        retry_->stop();
    }

    void close() {
        retry_->stop();
        insert_.reset();  // its statements belong to the connection
        if (open_)
            closeArchive(connection_);
        open_ = false;
    }

private:
    bool write(const std::vector<MinuteRow>& rows, QString* reason) {
        if (!open_) {
            open_ = true;
            if (!openArchive(owner_.path_, connection_, reason)) {
                close();
                return false;
            }
        }
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (!insert_)
            insert_ = std::make_unique<MinuteInsert>(db);  // prepared once per connection
        QSqlError error;
        const auto insertAll = [&] {
            for (const MinuteRow& row : rows)
                if (!insert_->insert(row, &error))
                    return false;
            return true;
        };
        if (db.transaction() && insertAll() && db.commit())
            return true;
        if (!error.isValid())
            error = db.lastError();
        db.rollback();
        *reason = archiveReason(error);
        return false;
    }

    void fail(const QString& reason) {
        close();  // the next try opens the file afresh
        owner_.failing_ = true;
        {
            QMutexLocker lock(&owner_.mutex_);
            owner_.lastReason_ = reason;
        }
        if (!failing_ && !quiet_) {
            failing_ = true;
            QMetaObject::invokeMethod(
                &owner_, [this, reason] { owner_.failed(reason); }, Qt::QueuedConnection);
        }
        retry_->start();
    }

    ArchiveWriter& owner_;
    QString connection_;
    QTimer* retry_ = nullptr;
    std::unique_ptr<MinuteInsert> insert_;
    bool open_ = false;
    bool failing_ = false;
    bool quiet_ = false;
};

ArchiveWriter::ArchiveWriter(const QString& path, int retryMs, QObject* parent)
    : QObject(parent), path_(path) {
    thread_.setObjectName(QStringLiteral("Archiv"));
    worker_ = new ArchiveWorker(*this, retryMs);
    worker_->moveToThread(&thread_);
    thread_.start();
}

ArchiveWriter::~ArchiveWriter() {
    finish();
    QMetaObject::invokeMethod(
        worker_, [this] { worker_->close(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete worker_;
}

void ArchiveWriter::submit(const MinuteRow& row) {
    std::size_t waiting = 0;
    {
        QMutexLocker lock(&mutex_);
        queue_.push_back(row);
        while (queue_.size() > kArchiveQueueRows)
            queue_.pop_front();  // a day is kept; older minutes give way
        waiting = queue_.size();
    }
    if (waiting > kArchiveBackPressureRows && !failing_)
        flush();  // the worker lags behind a working file: wait rather than lose rows
    else
        QMetaObject::invokeMethod(
            worker_, [this] { worker_->drain(); }, Qt::QueuedConnection);
}

bool ArchiveWriter::flush() {
    QMetaObject::invokeMethod(
        worker_, [this] { worker_->drain(); }, Qt::BlockingQueuedConnection);
    return waitingRows() == 0;
}

std::size_t ArchiveWriter::waitingRows() const {
    QMutexLocker lock(&mutex_);
    return queue_.size();
}

std::size_t ArchiveWriter::finish() {
    if (finished_)
        return waitingRows();
    finished_ = true;
    QMetaObject::invokeMethod(
        worker_, [this] { worker_->lastAttempt(); }, Qt::BlockingQueuedConnection);
    const std::size_t left = waitingRows();
    if (left > 0) {
        QString reason;
        {
            QMutexLocker lock(&mutex_);
            reason = lastReason_;
        }
        const QString text =
            left == 1
                ? QStringLiteral("1 Minute konnte nicht ins Archiv %1 geschrieben werden: %2")
                      .arg(path_, reason)
                : QStringLiteral("%1 Minuten konnten nicht ins Archiv %2 geschrieben werden: %3")
                      .arg(QString::number(left), path_, reason);
        notify(QStringLiteral("Archiv"), text, MessageButtons::Ok,
               path_ + QStringLiteral(": ") + reason);
    }
    return left;
}

void ArchiveWriter::failed(const QString& reason) {
    notify(QStringLiteral("Archiv"),
           QStringLiteral("Das Archiv %1 kann nicht geschrieben werden: %2").arg(path_, reason),
           MessageButtons::Ok, path_ + QStringLiteral(": ") + reason);
}
