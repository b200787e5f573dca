// The program as a systemd service of type "notify": it says "ready" once start-up is done, pets
// the watchdog from the event loop (so a program whose loop hangs is restarted by systemd) and
// says "stopping" at the end. Without systemd (no NOTIFY_SOCKET) nothing is sent.
#pragma once

#include <QObject>
#include <QTimer>

class ServiceNotify : public QObject {
    Q_OBJECT
public:
    explicit ServiceNotify(QObject* parent = nullptr);

    // Start-up is done: READY=1, and from now on WATCHDOG=1 at half the watchdog's interval.
    void ready();
    // Shut-down begins: STOPPING=1, no more pings.
    void stopping();

private:
    QTimer ping_;
};
