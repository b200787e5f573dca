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
    void add(QByteArrayView chunk) {
        if (chunk.size() == 1)
            addByte(static_cast<std::uint8_t>(chunk.front()));
        else
            addChunk(chunk);
    }

    // Called once per packet with its size - 1 bytes after the start byte; the view is valid
    // during the call only. The handler must not feed or reconfigure this framer.
    std::function<void(QByteArrayView packet)> onPacket;

    // Bytes received and not yet consumed, and whether they begin a packet being collected.
    std::size_t buffered() const { return inPacket_ ? packet_.size() : skipped_; }
    bool inPacket() const { return inPacket_; }

private:
    void reset();
    bool matches(std::uint8_t b) const { return b == matchA_ || b == matchB_; }
    // Position of the first byte that matches the start byte, or n.
    std::size_t findStart(const std::uint8_t* data, std::size_t n) const;
    void deliver(const std::uint8_t* packet);
    // The pass for a chunk of one byte, the common case on a serial port; kept inline.
    void addByte(std::uint8_t b) {
        if (inPacket_) {
            packet_.push_back(b);
            if (packet_.size() >= size_ || packet_.size() >= kMaxBufferSize)
                completeOrDrop();
        } else if (!matches(b)) {
            if (++skipped_ >= kMaxBufferSize)
                skipped_ = 0;
        } else {
            startPacket(b);
        }
    }
    void completeOrDrop();
    void startPacket(std::uint8_t b);
    void addChunk(QByteArrayView chunk);
    void processInPlace(const std::uint8_t* data, std::size_t n);

    std::uint8_t start_ = 0;
    // The bytes that match the start byte: both cases of a letter when case-insensitive.
    std::uint8_t matchA_ = 0;
    std::uint8_t matchB_ = 0;
    std::size_t size_ = 1;
    bool caseInsensitive_ = true;
    bool inPacket_ = false;
    // Outside a packet the buffer holds no start byte, so its bytes can never be handed on: only
    // their number is kept, for the 1024-byte rule.
    std::size_t skipped_ = 0;
    // In a packet: the start byte and the bytes collected behind it, fewer than size.
    std::vector<std::uint8_t> packet_;
};
