// What the ASYNOP report keeps in memory between its steps. One instance, owned by the caller.
#pragma once

#include <QString>

struct AsynopState {
    // "ASYNOP " + sender + " " + date "dd.mm.yy" of the file started last; the ASYNOP dialog shows
    // it.
    QString AsynopSubject;
    // The sender setting the last report line was written with. From the first line on, the
    // files of the run carry that sender filled with blanks to six characters, as the mailbox
    // expects, until the setting changes; the setting itself stays as the user wrote it.
    QString lineSender;
};

// The sender as the ASYNOP files write it now: the setting, filled to six characters once a
// report line was written with it.
inline QString AsynopSender(const QString& setting, const AsynopState& state) {
    return !state.lineSender.isNull() && setting == state.lineSender ? setting.leftJustified(6)
                                                                     : setting;
}
