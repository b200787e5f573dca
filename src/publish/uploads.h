// The uploads to the weather networks: every service (upload_service.h) at its minutes of the
// hour while it is switched on, only with fresh data (a minute with stale data is skipped, not
// caught up later), each send given up after 20 s. A failure is kept as the service's last error
// and told once per failure spell, and once more when the spell has lasted an hour; the next
// interval tries again. Nothing here waits on the network: the services are asynchronous.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <vector>

#include "config/settings.h"
#include "publish/failure_spell.h"
#include "publish/upload_service.h"
#include "publish/upload_state.h"
#include "station/weather_record.h"

// The names of the program's services for --run, in the order they are made.
QStringList uploadCommandNames();

class Uploads : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 20 * 1000;
    static constexpr int kTickMs = 10 * 1000;

    // With the program's services (CWOP and Weather Underground).
    Uploads(const StationData& data, const Settings& settings, QObject* parent = nullptr);
    ~Uploads() override;

    // A further service; the uploads own it.
    void add(std::unique_ptr<UploadService> service);

    // One turn of the minute clock, at AppClock's now: starts the services due this minute. The
    // timer calls it every kTickMs; tests call it under a fixed clock.
    void tick();

    // Sends at once ("Jetzt senden", --run), with the settings as they stand or with the ones a
    // dialog is trying; false for an unknown name. The outcome arrives as uploadFinished().
    bool sendNow(const QString& command);
    bool sendNow(const QString& command, const Settings& tried);

    QStringList commands() const;
    std::vector<UploadState> states() const;
    // The status texts of the services switched on, two blanks apart; empty when none is.
    QString statusLine() const;
    bool sending() const;
    // Runs the event loop until no send is in flight (each ends within the timeout).
    void finishInFlight();

    // For tests of the timeout.
    void setTimeoutMs(int ms) { timeoutMs_ = ms; }

signals:
    void uploadFinished(const QString& command, bool ok, const QString& reason);
    // A state of the "Dienste" window changed.
    void stateChanged();

private:
    struct Service;
    void start(Service& service, const Settings& settings, const QDateTime& now);
    void ended(Service& service, bool ok, const QString& reason);
    Service* find(const QString& command);

    const StationData& data_;
    const Settings& settings_;
    std::vector<std::unique_ptr<Service>> services_;
    QTimer tick_;
    int timeoutMs_ = kTimeoutMs;
};
