// The serial road: every chunk of bytes from the station goes to the five packet framers in the
// order 0x8F, 0x9F, 0xAF, 0xBF, 0xCF; each framed group is checked against its checksum, marked as
// seen and decoded into the station data. Observers hear of each check and each decoded group.
#pragma once

#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <functional>

#include "station/packet_framer.h"
#include "station/weather_record.h"

struct GroupCheckResult {
    std::uint8_t groupByte = 0;
    int row = 0;  // 1 = 0x8F ... 5 = 0xCF: the row of the checksum window
    bool ok = false;
    QByteArrayView body;  // the framed body, checksum last; valid during the call only

    // The row text the checksum window shows: "OK!" or "Error!".
    const char* rowText() const { return ok ? "OK!" : "Error!"; }
};

class SerialRoad {
public:
    explicit SerialRoad(StationData& data);
    SerialRoad(const SerialRoad&) = delete;
    SerialRoad& operator=(const SerialRoad&) = delete;

    // Hands one chunk, of any length, to all five framers in arrival order.
    void feed(QByteArrayView chunk);

    // Called after every framed group with its check result (before decoding).
    std::function<void(const GroupCheckResult&)> onChecked;
    // Called after a good group was decoded into the record (the display refresh hangs here).
    std::function<void(std::uint8_t groupByte)> onDecoded;

    const std::array<PacketFramer, 5>& framers() const { return framers_; }

    // The group byte plus every body byte but the last, summed modulo 256, equals the last.
    static bool checksumMatches(std::uint8_t groupByte, QByteArrayView body);

private:
    // One handler per framer (0x8F ... 0xCF); each runs GroupCheck with its group byte and row.
    void Packet8FPacket(QByteArrayView body);
    void Packet9FPacket(QByteArrayView body);
    void PacketAFPacket(QByteArrayView body);
    void PacketBFPacket(QByteArrayView body);
    void PacketCFPacket(QByteArrayView body);
    void GroupCheck(std::uint8_t groupByte, int row, QByteArrayView body);

    StationData& data_;
    std::array<PacketFramer, 5> framers_;
};
