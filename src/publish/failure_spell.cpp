#include "publish/failure_spell.h"

void FailureSpell::begin(const QDateTime& now) {
    if (!since_.isValid())
        since_ = now;
}

void FailureSpell::end() {
    since_ = QDateTime();
    startTold_ = false;
    longTold_ = false;
}

bool FailureSpell::tellStart() {
    if (startTold_)
        return false;
    startTold_ = true;
    return true;
}

bool FailureSpell::tellLong(const QDateTime& now) {
    if (longTold_ || !since_.isValid() || since_.secsTo(now) < kLongSpellSecs)
        return false;
    longTold_ = true;
    return true;
}
