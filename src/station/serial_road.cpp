// The serial road: five framers over one byte stream, the checksum test of every framed group and
// the hand-over of good groups to their decoders.
#include "station/serial_road.h"

#include "station/group_table.h"

SerialRoad::SerialRoad(StationData& data) : data_(data) {
    using Handler = void (SerialRoad::*)(QByteArrayView);
    static constexpr Handler kHandlers[5] = {
        &SerialRoad::Packet8FPacket, &SerialRoad::Packet9FPacket, &SerialRoad::PacketAFPacket,
        &SerialRoad::PacketBFPacket, &SerialRoad::PacketCFPacket,
    };
    for (std::size_t i = 0; i < framers_.size(); ++i) {
        PacketFramer& framer = framers_[i];
        framer.setStartByte(kGroups[i].groupByte);
        framer.setSize(kGroups[i].bodySize + 1);
        framer.setCaseInsensitive(true);
        const Handler handler = kHandlers[i];
        framer.onPacket = [this, handler](QByteArrayView body) { (this->*handler)(body); };
    }
}

void SerialRoad::feed(QByteArrayView chunk) {
    for (PacketFramer& framer : framers_)
        framer.add(chunk);
}

bool SerialRoad::checksumMatches(std::uint8_t groupByte, QByteArrayView body) {
    if (body.isEmpty())
        return false;
    std::uint8_t sum = groupByte;
    for (qsizetype i = 0; i + 1 < body.size(); ++i)
        sum = static_cast<std::uint8_t>(sum + body[i]);
    return sum == static_cast<std::uint8_t>(body.back());
}

void SerialRoad::Packet8FPacket(QByteArrayView body) {
    GroupCheck(0x8F, 1, body);
}
void SerialRoad::Packet9FPacket(QByteArrayView body) {
    GroupCheck(0x9F, 2, body);
}
void SerialRoad::PacketAFPacket(QByteArrayView body) {
    GroupCheck(0xAF, 3, body);
}
void SerialRoad::PacketBFPacket(QByteArrayView body) {
    GroupCheck(0xBF, 4, body);
}
void SerialRoad::PacketCFPacket(QByteArrayView body) {
    GroupCheck(0xCF, 5, body);
}

void SerialRoad::GroupCheck(std::uint8_t groupByte, int row, QByteArrayView body) {
    GroupCheckResult result;
    result.groupByte = groupByte;
    result.row = row;
    result.ok = checksumMatches(groupByte, body);
    result.body = body;
    if (onChecked)
        onChecked(result);
    if (!result.ok)
        return;  // a bad group leaves the record and GroupSeen untouched

    data_.GroupSeen[static_cast<std::size_t>(row - 1)] = true;
    const GroupInfo& group = kGroups[row - 1];
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(body.data());
    group.decode(GroupBody(bytes, static_cast<std::size_t>(body.size())), data_.Record);
    if (onDecoded)
        onDecoded(groupByte);
}
