// The output writers behind one object, as the scheduler and the run-now commands call them.
#pragma once

#include <QString>

#include "outputs/output_context.h"

class OutputWriters {
public:
    explicit OutputWriters(OutputContext context) : context_(context) {}

    void writeReport(int mode);
    void writeLog();
    void writeAprs();
    void asynopNewFile();
    void asynopAppendLine();
    void asynopEndFile();
    void asynopHourlyCheck();
    QString asynopStatusText();

private:
    OutputContext context_;
};
