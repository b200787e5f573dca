// What the ASYNOP report keeps in memory between its steps. One instance, owned by the caller.
#pragma once

#include <QString>

struct AsynopState {
    // "ASYNOP " + sender + " " + date "dd.mm.yy" of the file started last; the ASYNOP dialog shows
    // it.
    QString AsynopSubject;
};
