// What the "Aktiv" switch opens and closes: the serial port of the station or the client
// connection to a station server, and the one-byte group requests sent to that server.
#pragma once

#include <QDateTime>
#include <cstdint>

class InputControl {
public:
    virtual ~InputControl() = default;

    // Starts reception from the serial port with its current settings: opened now, or tried
    // again every 5 seconds when it cannot be (reported once). Returns whether it is open now.
    virtual bool openSerial() = 0;
    // Closes the serial port when it is open and ends its retries.
    virtual void closeSerial() = 0;

    // Starts reception from the station server (the connection is made in the background and
    // made again whenever it is lost).
    virtual void openClient() = 0;
    // Closes the client connection when it is open and ends its retries.
    virtual void closeClient() = 0;
    // True while the client connection is established.
    virtual bool clientConnected() const = 0;
    // Sends the group requests due at this value of the seconds counter (every third second
    // 0x8F, every seventh 0x9F, ...; all five at 0).
    virtual void sendGroupRequests(std::uint8_t secondsCounter) = 0;
    // Sends "-Disconnect" over the client connection when it is connected, and makes sure the
    // text has left before the program ends; does nothing otherwise.
    virtual void sendDisconnect() = 0;
    // Since when the station (port or server) has been lost while reception is on; invalid while
    // it is there or reception is off.
    virtual QDateTime stationLostSince() const = 0;
};
