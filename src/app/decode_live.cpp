#include "decode_live.h"

#include <QCoreApplication>
#include <cstdio>

#include "base/stop_signals.h"
#include "station/client_poller.h"
#include "station/decode_session.h"
#include "station/record_json.h"
#include "station/serial_link.h"
#include "station/station_client.h"

namespace {

void printLine(QByteArrayView line) {
    std::fwrite(line.data(), 1, std::size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

int decodeSerialPort(const QString& portName, std::size_t maxLines) {
    DecodeSession session(1, maxLines);
    session.onLine = printLine;
    SerialLink link;
    link.setPortName(portName);

    int exitCode = 0;
    QObject::connect(&link, &SerialLink::bytesReceived, [&](const QByteArray& chunk) {
        session.feedSerial(chunk);
        if (session.done())
            QCoreApplication::quit();
    });
    QObject::connect(&link, &SerialLink::portLost, [&] {
        exitCode = 1;
        QCoreApplication::quit();
    });
    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, [] { QCoreApplication::quit(); });

    if (!link.open())
        return 1;
    QCoreApplication::exec();
    link.close();
    return exitCode;
}

int decodeStationServer(const QString& host, quint16 port, std::size_t maxLines, int counterStart) {
    StationData data;
    StationClient client(data);
    client.setAddress(host);
    client.setPort(port);
    ClientPoller poller(client);

    std::size_t lines = 0;
    int exitCode = 0;
    QObject::connect(&client, &StationClient::messageHandled, [&](std::uint8_t groupByte) {
        if (groupByte == 0 || (maxLines != 0 && lines >= maxLines))
            return;
        printLine(RecordJsonLine(groupByte, nullptr, data));
        if (maxLines != 0 && ++lines >= maxLines)
            QCoreApplication::quit();
    });
    QObject::connect(&client, &StationClient::connectionLost, [&] {
        exitCode = 1;
        QCoreApplication::quit();
    });
    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, [] { QCoreApplication::quit(); });

    client.open();
    poller.start(counterStart);
    QCoreApplication::exec();
    poller.stop();
    client.disconnectFromServer();
    return exitCode;
}
