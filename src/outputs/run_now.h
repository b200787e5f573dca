// The run-now commands of the "Datei" menu by the names the headless program takes after --run:
// read, import, log, aprs, asynop-new, asynop-line, asynop-end.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "outputs/output_writers.h"

enum class RunNowAction { Read, Import, Log, Aprs, AsynopNew, AsynopLine, AsynopEnd };

// The action of a command-line name; nothing for an unknown name.
std::optional<RunNowAction> parseRunNowAction(const QString& name);
// Every name, in menu order.
QStringList runNowActionNames();

// Does what the menu item does: "JETZT Read erstellen!" writes the Read page, "JETZT Import
// erstellen!" the page of profile 2, and so on.
void runNow(RunNowAction action, OutputWriters& writers);
