#include "outputs/run_now.h"

const RunNowCommand* runNowCommand(const QString& name) {
    for (const RunNowCommand& command : kRunNowCommands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

QStringList runNowCommandNames() {
    QStringList names;
    for (const RunNowCommand& command : kRunNowCommands)
        names << QLatin1String(command.name);
    return names;
}
