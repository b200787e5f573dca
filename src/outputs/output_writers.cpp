#include "outputs/output_writers.h"

#include "outputs/aprs_file.h"
#include "outputs/asynop_report.h"
#include "outputs/report_page.h"
#include "outputs/weather_log.h"

void OutputWriters::writeReport(int mode) {
    WriteWeatherReport(context_, mode);
}
void OutputWriters::writeLog() {
    WriteWeatherLog(context_);
}
void OutputWriters::writeAprs() {
    WriteAprsFile(context_);
}
void OutputWriters::asynopNewFile() {
    AsynopNewFile(context_);
}
void OutputWriters::asynopAppendLine() {
    AsynopAppendLine(context_);
}
void OutputWriters::asynopEndFile() {
    AsynopEndFile(context_);
}
bool OutputWriters::asynopHourlyCheck(bool withLine) {
    return AsynopHourlyCheck(context_, withLine);
}
QString OutputWriters::asynopStatusText() {
    return AsynopStatusText(context_.settings, context_.asynop);
}
