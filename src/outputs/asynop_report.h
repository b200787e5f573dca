// The ASYNOP report's file steps: the working file "asynoptmp.txt" in the program folder is
// started, gets one report line per synoptic hour and its end part, and is then copied to
// ASYNOPDatei and, when wanted, into a dated archive.
#pragma once

#include <QString>

#include "outputs/output_context.h"

// The working file: ProgramFolder + "asynoptmp.txt".
QString AsynopWorkingFile(const Settings& settings);

// Starts the working file anew with its head and sets AsynopSubject. False (after a message) when
// the file cannot be written; the old file is then left as it was.
bool AsynopNewFile(const OutputContext& context);

// Appends one report line for the present moment; from then on the files carry the sender filled
// to six characters (AsynopSender). A working file that was never started or already has its end
// part is refused with the step's message and left as it is.
bool AsynopAppendLine(const OutputContext& context);

// Appends the end part; refused like a report line.
bool AsynopEndFile(const OutputContext& context);

// Runs the steps due at this minute (full hour at 00, 06, 12 or 18 UTC) and delivers a finished
// file to ASYNOPDatei and the archive. Stops at a step that failed, so no unfinished file is
// delivered; a copy that fails gets its own message. Every message names the path and the reason
// in its details. Without withLine (data that are not fresh) the report line is left out, and a
// file of four reports a day is not started, ended or delivered. Returns whether it was a report
// hour.
bool AsynopHourlyCheck(const OutputContext& context, bool withLine = true);

// "ASYNOP: " and one "X" per report line of the working file; "ASYNOP: keine Datei" while there is
// no working file.
QString AsynopStatusText(const Settings& settings, const AsynopState& state = {});
