// What wetterpult-decode runs: the serial road (or the client road) over incoming bytes, one JSON
// line per framed group handed to a sink, up to an optional number of lines.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstddef>
#include <functional>

#include "station/serial_road.h"
#include "station/tcp_message_assembler.h"
#include "station/weather_record.h"

class DecodeSession {
public:
    // chunkSize: the serial road is fed in chunks of this many bytes, as a port would deliver them
    // (at least 1). maxLines: stop after this many lines; 0 = no limit.
    explicit DecodeSession(std::size_t chunkSize = 1, std::size_t maxLines = 0);
    DecodeSession(const DecodeSession&) = delete;
    DecodeSession& operator=(const DecodeSession&) = delete;

    // Receives each line, without line end.
    std::function<void(QByteArrayView line)> onLine;

    // Bytes from the station, in any portions; chunk boundaries follow the stream, not the
    // portions.
    void feedSerial(QByteArrayView bytes);
    // End of the stream: the last, shorter chunk goes to the road.
    void finishSerial();

    // One read from a station server (client road): each dispatched group gives a line with a null
    // checksum. A message that selects no decoder gives no line.
    void feedTcpRead(QByteArrayView read);

    // The line limit has been reached; further input is ignored.
    bool done() const { return maxLines_ != 0 && lines_ >= maxLines_; }
    std::size_t lines() const { return lines_; }
    const StationData& data() const { return data_; }
    const SerialRoad& road() const { return road_; }

private:
    void emitLine(std::uint8_t groupByte, const char* checksum);

    StationData data_;
    SerialRoad road_;
    TcpMessageAssembler assembler_;
    std::size_t chunkSize_;
    std::size_t maxLines_;
    std::size_t lines_ = 0;
    QByteArray carry_;          // the start of a chunk not yet complete
    bool droppedHeld_ = false;  // the group being written dropped the one held before it
};
