// Ctrl-C, SIGTERM and SIGHUP (a closed terminal) as an ordinary event: the signal handler only
// writes a byte into a socket pair, and a socket notifier on the event-loop thread turns it into
// stopRequested(), so the program can shut down in order (save the settings, close the port, say
// "-Disconnect") instead of dying mid-step.
#pragma once

#include <QObject>

class QSocketNotifier;

class StopSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers for SIGINT, SIGTERM and SIGHUP. One instance per program.
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

signals:
    void stopRequested(int signalNumber);

private:
    void onReadable();
    QSocketNotifier* notifier_ = nullptr;
};
