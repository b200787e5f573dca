#include "headless_runner.h"

#include <QCoreApplication>
#include <cstdio>

#include "base/stop_signals.h"
#include "station/group_summary.h"
#include "station/station_input.h"

int runHeadless(const AppOptions& options) {
    StationData data;
    StationInput input(data);
    if (!options.clientHost.isEmpty()) {
        input.client().setAddress(options.clientHost);
        input.client().setPort(options.clientPort);
        input.setClientMode(true);
    } else {
        input.serialLink().setPortName(options.port.isEmpty()
                                           ? QString::fromLatin1(SerialLink::kDefaultPortName)
                                           : options.port);
    }

    QObject::connect(&input, &StationInput::refreshed, [&data](std::uint8_t groupByte) {
        const QString line = groupSummaryLine(data.Record, groupByte);
        if (line.isEmpty())
            return;
        std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
        std::fflush(stdout);
    });

    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, [&input] {
        input.shutdown();
        QCoreApplication::quit();
    });

    // A port that does not open at start leaves nothing to do: the reason has been shown.
    if (!input.activate())
        return 1;
    return QCoreApplication::exec();
}
