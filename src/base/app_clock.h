// The one place the program asks for "now". Tests and tools replace the clock with a fixed one.
#pragma once

#include <QDateTime>

class AppClock {
public:
    virtual ~AppClock() = default;
    virtual QDateTime now() const = 0;

    // The clock every part of the program uses; the system clock unless replaced.
    static const AppClock& current();
    static QDateTime currentDateTime() { return current().now(); }
    // Replaces the clock (nullptr restores the system clock). The caller keeps ownership.
    static void install(const AppClock* clock);
};

class SystemClock : public AppClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
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
