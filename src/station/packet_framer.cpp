// The framing pass: search the start byte (ASCII letters compared upper-cased), drop what precedes
// it, cut fixed-size packets, and empty a buffer that reaches 1024 bytes after a pass.
//
// Outside a packet the buffer never holds a start byte (a pass would have found it), so a new
// chunk is searched on its own and framed where it lies; only a packet still being collected is
// copied. This keeps one-byte chunks and large chunks cheap alike.
#include "station/packet_framer.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint8_t upperAscii(std::uint8_t b) {
    return (b >= 'a' && b <= 'z') ? static_cast<std::uint8_t>(b - ('a' - 'A')) : b;
}

constexpr std::uint8_t lowerAscii(std::uint8_t b) {
    return (b >= 'A' && b <= 'Z') ? static_cast<std::uint8_t>(b + ('a' - 'A')) : b;
}

}  // namespace

PacketFramer::PacketFramer() {
    reset();
}

void PacketFramer::reset() {
    // Upper-casing only joins a..z with A..Z; any other byte matches only itself.
    matchA_ = caseInsensitive_ ? upperAscii(start_) : start_;
    matchB_ = caseInsensitive_ ? lowerAscii(matchA_) : start_;
    packet_.clear();
    packet_.reserve(std::min(size_, kMaxBufferSize));
    skipped_ = 0;
    inPacket_ = false;
}

void PacketFramer::setStartByte(std::uint8_t startByte) {
    start_ = startByte;
    reset();
}

void PacketFramer::setSize(std::size_t size) {
    size_ = std::max<std::size_t>(size, 1);
    reset();
}

void PacketFramer::setCaseInsensitive(bool on) {
    caseInsensitive_ = on;
    reset();
}

std::size_t PacketFramer::findStart(const std::uint8_t* data, std::size_t n) const {
    if (matchA_ == matchB_) {
        const void* hit = std::memchr(data, matchA_, n);
        return hit ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - data) : n;
    }
    for (std::size_t i = 0; i < n; ++i)
        if (matches(data[i]))
            return i;
    return n;
}

void PacketFramer::deliver(const std::uint8_t* packet) {
    // The packet begins with the start byte, which is not handed on.
    if (onPacket)
        onPacket(QByteArrayView(packet + 1, static_cast<qsizetype>(size_ - 1)));
}

void PacketFramer::addChunk(QByteArrayView chunk) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(chunk.data());
    std::size_t n = static_cast<std::size_t>(chunk.size());
    if (n == 0)
        return;

    if (inPacket_) {
        const std::size_t missing = size_ - packet_.size();
        if (n < missing) {
            packet_.insert(packet_.end(), data, data + n);
            if (packet_.size() >= kMaxBufferSize)
                reset();
            return;
        }
        packet_.insert(packet_.end(), data, data + missing);
        inPacket_ = false;
        deliver(packet_.data());
        packet_.clear();
        data += missing;
        n -= missing;
    }
    processInPlace(data, n);
}

// A packet being collected byte by byte is complete, or has reached the buffer limit.
void PacketFramer::completeOrDrop() {
    if (packet_.size() == size_) {
        inPacket_ = false;
        deliver(packet_.data());
        packet_.clear();
    } else {
        reset();
    }
}

// A start byte outside a packet: the skipped bytes go, a packet begins (or is complete at once).
void PacketFramer::startPacket(std::uint8_t b) {
    skipped_ = 0;
    if (size_ == 1) {
        deliver(&b);
        return;
    }
    packet_.push_back(b);
    inPacket_ = true;
}

void PacketFramer::processInPlace(const std::uint8_t* data, std::size_t n) {
    for (;;) {
        const std::size_t at = findStart(data, n);
        if (at == n) {
            // No start byte: the bytes stay (counted) until one comes or 1024 are reached.
            skipped_ += n;
            if (skipped_ >= kMaxBufferSize)
                skipped_ = 0;
            return;
        }
        skipped_ = 0;  // everything in front of the start byte is dropped
        data += at;
        n -= at;
        if (n < size_)
            break;  // a partial packet waits for more bytes
        deliver(data);
        data += size_;
        n -= size_;
    }
    if (n >= kMaxBufferSize) {
        reset();
        return;
    }
    inPacket_ = true;
    packet_.assign(data, data + n);
}
