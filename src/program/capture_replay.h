// A capture of raw station bytes fed through the serial road as the port would send it, one chunk
// per turn of the event loop: a capture of any size, or an endless device, takes bounded memory,
// and the program keeps answering its timers and signals meanwhile.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "base/progress_steps.h"

class CaptureReplay : public QObject {
    Q_OBJECT
public:
    using Feed = std::function<void(QByteArrayView chunk)>;
    explicit CaptureReplay(Feed feed, QObject* parent = nullptr);

    // Opens the capture and starts feeding it; false (with a German reason in *error) when it
    // cannot be read.
    bool start(const QString& path, QString* error);

signals:
    // The whole capture has gone through the road, or reading it failed on the way (reported).
    void finished();
    // A capture file (not a device) has gone through up to this step of 5 %.
    void progress(int percent);

private:
    void feedChunk();

    Feed feed_;
    QFile file_;
    QByteArray chunk_;
    qint64 fed_ = 0;
    std::optional<ProgressSteps> steps_;  // only for a file of known size
};
