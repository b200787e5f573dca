// A failure spell of a publisher: from the first failure (or the moment a connection was lost) to
// the next success. The user hears of a spell once at its start, and once more when it has lasted
// an hour; the status texts show since when it lasts.
#pragma once

#include <QDateTime>

class FailureSpell {
public:
    static constexpr qint64 kLongSpellSecs = 60 * 60;

    // Marks the spell's start at `now` unless one is running already.
    void begin(const QDateTime& now);
    // A success: the spell is over, the next failure starts a new one.
    void end();

    bool running() const { return since_.isValid(); }
    // When the spell began; invalid while none runs.
    const QDateTime& since() const { return since_; }

    // True the first time it is asked during a spell: this failure is to be told.
    bool tellStart();
    // True once per spell, the first time it is asked an hour or more after the spell began.
    bool tellLong(const QDateTime& now);

private:
    QDateTime since_;
    bool startTold_ = false;
    bool longTold_ = false;
};
