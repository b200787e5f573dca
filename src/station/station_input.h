// The program's one way in for station data: the serial road (port, group scanner, group check) and
// the client road (connection to a station server), kept going by the reconnect while reception is
// on. Which road is open, and the client's requests, are the "Aktiv" switch's business; whoever
// shows data listens to refreshed(). Every good group is stamped with its time of arrival.
#pragma once

#include <QObject>
#include <cstdint>

#include "station/serial_link.h"
#include "station/serial_road.h"
#include "station/station_client.h"
#include "station/station_reconnect.h"
#include "station/weather_record.h"

class StationInput : public QObject {
    Q_OBJECT
public:
    explicit StationInput(StationData& data, QObject* parent = nullptr);

    SerialLink& serialLink() { return link_; }
    StationClient& client() { return client_; }
    SerialRoad& road() { return road_; }
    StationReconnect& reconnect() { return reconnect_; }

signals:
    // After every serial group's checksum test (row 1 = 0x8F ... 5 = 0xCF), with the text of its
    // row in the checksum window: "OK!", "Error!" or "Gehalten!", and once a group of the kind has
    // been held, how many were held and dropped.
    void groupChecked(std::uint8_t groupByte, int row, const QString& text);
    // After a good serial group was decoded, and after every message of the client road (0 when
    // the message selected no decoder): time to refresh what is shown.
    void refreshed(std::uint8_t groupByte);

private:
    void decoded(std::uint8_t groupByte);

    StationData& data_;
    SerialLink link_;
    SerialRoad road_;
    StationClient client_;
    StationReconnect reconnect_;
};
