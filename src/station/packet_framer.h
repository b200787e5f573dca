// Cuts one group kind out of the station's byte stream: finds the group byte, collects the group's
// fixed size and hands on the packet without its group byte. One framer per group kind.
#pragma once

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class PacketFramer {
public:
    // A buffer that reaches this many bytes after a pass is emptied.
    static constexpr std::size_t kMaxBufferSize = 1024;

    PacketFramer();

    // Each of these empties the buffer and leaves the in-packet state.
    void setStartByte(std::uint8_t startByte);
    void setSize(std::size_t size);  // whole packet, start byte included
    void setCaseInsensitive(bool on);

    std::uint8_t startByte() const { return start_; }
    std::size_t size() const { return size_; }
    bool caseInsensitive() const { return caseInsensitive_; }

    // Appends a chunk of any length and hands on every packet it completes, in stream order.
    void add(QByteArrayView chunk);

    // Called once per packet with its size - 1 bytes after the start byte; the view is valid
    // during the call only. The handler must not feed or reconfigure this framer.
    std::function<void(QByteArrayView packet)> onPacket;

    // Bytes received and not yet consumed, and whether they begin a packet being collected.
    std::size_t buffered() const { return buffer_.size(); }
    bool inPacket() const { return inPacket_; }

private:
    void reset();
    // Position of the first byte that matches the start byte, or n.
    std::size_t findStart(const std::uint8_t* data, std::size_t n) const;
    void deliver(const std::uint8_t* packet);
    void processInPlace(const std::uint8_t* data, std::size_t n);

    std::uint8_t start_ = 0;
    std::uint8_t startUpper_ = 0;  // the start byte with ASCII a..z turned into A..Z
    std::size_t size_ = 1;
    bool caseInsensitive_ = true;
    bool inPacket_ = false;
    // Not in a packet: bytes that hold no start byte. In a packet: the start byte and the bytes
    // collected behind it, fewer than size.
    std::vector<std::uint8_t> buffer_;
};
