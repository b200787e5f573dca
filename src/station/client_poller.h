// The client's once-a-second poll: a one-second timer steps the seconds counter (59, 58 ... 0, then
// 59 again) and sends the group requests due at the new value. Starting sets the counter to 59.
#pragma once

#include <QObject>
#include <QTimer>

class StationClient;

class ClientPoller : public QObject {
    Q_OBJECT
public:
    explicit ClientPoller(StationClient& client, QObject* parent = nullptr);

    // Starts the timer with the counter at `from` (59 on activation).
    void start(int from = 59);
    void stop();
    int counter() const { return counter_; }

    // One tick of the timer: step the counter, then request.
    void tick();

private:
    StationClient& client_;
    QTimer timer_;
    int counter_ = 59;
};
