#include "outputs/run_now.h"

#include <array>
#include <utility>

namespace {
const std::array<std::pair<const char*, RunNowAction>, 7> kActions = {{
    {"read", RunNowAction::Read},
    {"import", RunNowAction::Import},
    {"log", RunNowAction::Log},
    {"aprs", RunNowAction::Aprs},
    {"asynop-new", RunNowAction::AsynopNew},
    {"asynop-line", RunNowAction::AsynopLine},
    {"asynop-end", RunNowAction::AsynopEnd},
}};
}  // namespace

std::optional<RunNowAction> parseRunNowAction(const QString& name) {
    for (const auto& [text, action] : kActions) {
        if (name == QLatin1String(text))
            return action;
    }
    return std::nullopt;
}

QStringList runNowActionNames() {
    QStringList names;
    for (const auto& entry : kActions)
        names << QLatin1String(entry.first);
    return names;
}

void runNow(RunNowAction action, OutputWriters& writers) {
    switch (action) {
        case RunNowAction::Read:
            writers.writeReport(1);
            break;
        case RunNowAction::Import:
            writers.writeReport(2);
            break;
        case RunNowAction::Log:
            writers.writeLog();
            break;
        case RunNowAction::Aprs:
            writers.writeAprs();
            break;
        case RunNowAction::AsynopNew:
            writers.asynopNewFile();
            break;
        case RunNowAction::AsynopLine:
            writers.asynopAppendLine();
            break;
        case RunNowAction::AsynopEnd:
            writers.asynopEndFile();
            break;
    }
}
