// The output writers behind one object, as the scheduler and the run-now commands call them.
#pragma once

#include <QString>

#include "outputs/output_actions.h"
#include "outputs/output_context.h"

class OutputWriters : public OutputActions {
public:
    explicit OutputWriters(OutputContext context) : context_(context) {}

    void writeReport(int mode) override;
    void writeLog() override;
    void writeAprs() override;
    void asynopNewFile() override;
    void asynopAppendLine() override;
    void asynopEndFile() override;
    bool asynopHourlyCheck(bool withLine) override;
    QString asynopStatusText() override;

private:
    OutputContext context_;
};
