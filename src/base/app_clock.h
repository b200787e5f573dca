// The one place the program asks for "now". Tests and tools replace the clock with a fixed one.
#pragma once

#include <QDateTime>

class AppClock {
public:
    virtual ~AppClock() = default;
    virtual QDateTime now() const = 0;
    // Now as UTC milliseconds since 1970: for stamps and ages, with no time zone to look up.
    virtual qint64 msecsSinceEpoch() const { return now().toMSecsSinceEpoch(); }

    // The clock every part of the program uses; the system clock unless replaced.
    static const AppClock& current();
    static QDateTime currentDateTime() { return current().now(); }
    static qint64 currentMSecsSinceEpoch() { return current().msecsSinceEpoch(); }
    // Replaces the clock (nullptr restores the system clock). The caller keeps ownership.
    static void install(const AppClock* clock);
};

class SystemClock : public AppClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 msecsSinceEpoch() const override { return QDateTime::currentMSecsSinceEpoch(); }
};

// A clock that stands still until it is set or advanced: for tests and simulated days.
class FixedClock : public AppClock {
public:
    explicit FixedClock(QDateTime start = {}) : now_(std::move(start)) {}
    QDateTime now() const override { return now_; }
    void set(const QDateTime& t) { now_ = t; }
    void advanceSeconds(qint64 s) { now_ = now_.addSecs(s); }
    void advanceMs(qint64 ms) { now_ = now_.addMSecs(ms); }

private:
    QDateTime now_;
};

// Installs a clock for the lifetime of this object (tests).
class ScopedClock {
public:
    explicit ScopedClock(const AppClock& clock) { AppClock::install(&clock); }
    ~ScopedClock() { AppClock::install(nullptr); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;
};
