// What the "Aktiv" switch opens and closes: the serial port of the station or the client
// connection to a station server, and the one-byte group requests sent to that server.
#pragma once

#include <cstdint>

class InputControl {
public:
    virtual ~InputControl() = default;

    // Opens the serial port with its current settings. On failure the port has reported its own
    // error message and false is returned.
    virtual bool openSerial() = 0;
    // Closes the serial port when it is open.
    virtual void closeSerial() = 0;

    // Starts connecting to the station server (the result arrives later).
    virtual void openClient() = 0;
    // Closes the client connection when it is open.
    virtual void closeClient() = 0;
    // True while the client connection is established.
    virtual bool clientConnected() const = 0;
    // Sends the group requests due at this value of the seconds counter (every third second
    // 0x8F, every seventh 0x9F, ...; all five at 0).
    virtual void sendGroupRequests(std::uint8_t secondsCounter) = 0;
    // Sends "-Disconnect" over the client connection when it is connected, and makes sure the
    // text has left before the program ends; does nothing otherwise.
    virtual void sendDisconnect() = 0;
};
