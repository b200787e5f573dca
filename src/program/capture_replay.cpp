#include "program/capture_replay.h"

#include "base/notifier.h"
#include "base/system_reason.h"

namespace {
constexpr qsizetype kChunkBytes = 64 * 1024;
}

CaptureReplay::CaptureReplay(Feed feed, QObject* parent)
    : QObject(parent), feed_(std::move(feed)), chunk_(kChunkBytes, Qt::Uninitialized) {}

bool CaptureReplay::start(const QString& path, QString* error) {
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *error = QStringLiteral("Die Aufzeichnung %1 kann nicht gelesen werden: %2")
                     .arg(path, germanReason(file_.errorString()));
        return false;
    }
    fed_ = 0;
    steps_.reset();
    if (!file_.isSequential() && file_.size() > 0)
        steps_.emplace(file_.size());
    QMetaObject::invokeMethod(this, &CaptureReplay::feedChunk, Qt::QueuedConnection);
    return true;
}

void CaptureReplay::feedChunk() {
    const qint64 n = file_.read(chunk_.data(), chunk_.size());
    if (n > 0) {
        feed_(QByteArrayView(chunk_.constData(), n));
        fed_ += n;
        if (steps_)
            if (const auto percent = steps_->reached(fed_))
                emit progress(*percent);
        QMetaObject::invokeMethod(this, &CaptureReplay::feedChunk, Qt::QueuedConnection);
        return;
    }
    if (n < 0)
        reportError(QStringLiteral("Die Aufzeichnung %1 kann nicht weiter gelesen werden: %2")
                        .arg(file_.fileName(), germanReason(file_.errorString())));
    file_.close();
    emit finished();
}
