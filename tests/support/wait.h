// Waiting in tests without sleeping: runs the event loop until a condition holds or the timeout
// has passed; the result says which.
#pragma once

#include <QTest>

template <typename Predicate>
bool waitUntil(Predicate predicate, int timeoutMs = 10000) {
    return QTest::qWaitFor(predicate, timeoutMs);
}
