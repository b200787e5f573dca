// The outputs the scheduler and the run-now commands ask for: the WinGT pages, the weather log,
// the APRS file and the steps of the ASYNOP report. Each writer reports its own failures.
#pragma once

#include <QString>

class OutputActions {
public:
    virtual ~OutputActions() = default;

    // The WinGT page of a report mode: 1 = the Read page, n >= 2 = the Import page of profile n.
    virtual void writeReport(int mode) = 0;
    // One line of the weather log.
    virtual void writeLog() = 0;
    // The APRS weather file.
    virtual void writeAprs() = 0;

    // The ASYNOP report: start a new working file, append one report line, close it with its end.
    virtual void asynopNewFile() = 0;
    virtual void asynopAppendLine() = 0;
    virtual void asynopEndFile() = 0;
    // Once a minute while active: run the ASYNOP steps due at this minute, deliver finished files.
    // Without withLine the report line is left out (the data are not fresh); a file of four
    // reports a day is then not started, ended or delivered either. Returns whether a report
    // line was due at this minute.
    virtual bool asynopHourlyCheck(bool withLine) = 0;
    // The text of the first status panel: "ASYNOP: " and one "X" per report line.
    virtual QString asynopStatusText() = 0;
};
