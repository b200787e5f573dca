// wetterpult-decode on live input: a serial port through the serial road, or a station server
// through the client road (polled once a second like the program does). One JSON line per group.
#pragma once

#include <QString>
#include <cstddef>

// Reads the port until maxLines lines were printed (0: no limit), Ctrl-C, or the port is lost.
int decodeSerialPort(const QString& portName, std::size_t maxLines);

// Polls the server, the seconds counter starting at counterStart (59 in the program), until
// maxLines lines were printed, Ctrl-C, or the connection is lost. Says "-Disconnect" at the end.
int decodeStationServer(const QString& host, quint16 port, std::size_t maxLines, int counterStart);
