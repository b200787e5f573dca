// The framing pass: search the start byte (ASCII letters compared upper-cased), drop what precedes
// it, cut fixed-size packets, and empty a buffer that reaches 1024 bytes after a pass.
//
// The buffer is only ever a remainder: whenever the framer is not inside a packet it holds no start
// byte, so a new chunk is searched on its own and framed where it lies; only the bytes left over
// after the pass are copied. This keeps one-byte chunks and large chunks cheap alike.
#include "station/packet_framer.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint8_t upperAscii(std::uint8_t b) {
    return (b >= 'a' && b <= 'z') ? static_cast<std::uint8_t>(b - ('a' - 'A')) : b;
}

}  // namespace

PacketFramer::PacketFramer() {
    buffer_.reserve(kMaxBufferSize);
}

void PacketFramer::reset() {
    buffer_.clear();
    inPacket_ = false;
}

void PacketFramer::setStartByte(std::uint8_t startByte) {
    start_ = startByte;
    startUpper_ = upperAscii(startByte);
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
    if (n == 0)
        return 0;
    const bool letter = startUpper_ >= 'A' && startUpper_ <= 'Z';
    if (!caseInsensitive_ || !letter) {
        // Upper-casing never turns a non-letter into anything else, so only the byte itself
        // matches (and for a case-sensitive framer, only the byte itself matches anyway).
        const void* hit = std::memchr(data, caseInsensitive_ ? startUpper_ : start_, n);
        return hit ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - data) : n;
    }
    for (std::size_t i = 0; i < n; ++i)
        if (upperAscii(data[i]) == startUpper_)
            return i;
    return n;
}

void PacketFramer::deliver(const std::uint8_t* packet) {
    // The packet begins with the start byte, which is not handed on.
    if (onPacket)
        onPacket(QByteArrayView(packet + 1, static_cast<qsizetype>(size_ - 1)));
}

void PacketFramer::add(QByteArrayView chunk) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(chunk.data());
    std::size_t n = static_cast<std::size_t>(chunk.size());
    if (n == 0)
        return;

    if (inPacket_) {
        const std::size_t missing = size_ - buffer_.size();
        if (n < missing) {
            buffer_.insert(buffer_.end(), data, data + n);
            if (buffer_.size() >= kMaxBufferSize)
                reset();
            return;
        }
        buffer_.insert(buffer_.end(), data, data + missing);
        inPacket_ = false;
        deliver(buffer_.data());
        buffer_.clear();
        data += missing;
        n -= missing;
    } else if (!buffer_.empty()) {
        // The buffer holds no start byte; everything in it goes once one is found.
        const std::size_t at = findStart(data, n);
        if (at == n) {
            buffer_.insert(buffer_.end(), data, data + n);
            if (buffer_.size() >= kMaxBufferSize)
                reset();
            return;
        }
        buffer_.clear();
        data += at;
        n -= at;
    }
    processInPlace(data, n);
}

void PacketFramer::processInPlace(const std::uint8_t* data, std::size_t n) {
    for (;;) {
        const std::size_t at = findStart(data, n);
        if (at == n)
            break;  // no start byte: the rest is kept as it is
        data += at;
        n -= at;
        inPacket_ = true;
        if (n < size_)
            break;  // a partial packet waits for more bytes
        inPacket_ = false;
        deliver(data);
        data += size_;
        n -= size_;
    }
    if (n >= kMaxBufferSize) {
        reset();
        return;
    }
    buffer_.assign(data, data + n);
}
