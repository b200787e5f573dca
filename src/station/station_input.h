// The program's one way in for station data: the serial road (port, framers, group check) or, in
// client mode, the client road (connection to a station server, polled once a second). Whoever
// shows or writes data listens to refreshed(); whoever keeps the "Aktiv" state listens to lost().
#pragma once

#include <QObject>
#include <cstdint>

#include "station/client_poller.h"
#include "station/serial_link.h"
#include "station/serial_road.h"
#include "station/station_client.h"
#include "station/weather_record.h"

class StationInput : public QObject {
    Q_OBJECT
public:
    explicit StationInput(StationData& data, QObject* parent = nullptr);

    SerialLink& serialLink() { return link_; }
    StationClient& client() { return client_; }
    SerialRoad& road() { return road_; }

    // Which road activation opens: the client connection instead of the serial port.
    bool clientMode() const { return clientMode_; }
    void setClientMode(bool on) { clientMode_ = on; }

    // Opens the serial port, or in client mode connects to the server and starts the poll. False
    // when the port could not be opened (already reported); a connection failure arrives later
    // through lost().
    bool activate();
    // Closes the port and the connection; nothing is sent.
    void deactivate();
    // Program end: closes the port and says "-Disconnect" to a connected server.
    void shutdown();

signals:
    // After every serial group's checksum test (row 1 = 0x8F ... 5 = 0xCF).
    void groupChecked(std::uint8_t groupByte, int row, bool ok);
    // After a good serial group was decoded, and after every message of the client road (0 when
    // the message selected no decoder): time to refresh what is shown.
    void refreshed(std::uint8_t groupByte);
    // The port or the connection went away by itself; the user has been told.
    void lost();

private:
    SerialLink link_;
    SerialRoad road_;
    StationClient client_;
    ClientPoller poller_;
    bool clientMode_ = false;
};
