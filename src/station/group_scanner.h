// Cuts the station's five groups out of one byte stream, in arrival order: a group is taken only
// where its checksum holds, and a false start is given up after its first byte only, so that the
// real group behind it is still found. Accepted groups never overlap.
#pragma once

#include <QByteArrayView>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "station/group_table.h"

// The group byte plus every body byte but the last, summed modulo 256, equals the last.
bool groupChecksumMatches(std::uint8_t groupByte, const std::uint8_t* body, std::size_t bodySize);

class GroupScanner {
public:
    // The longest group on the wire (0x8F: group byte, 33 data bytes, checksum).
    static constexpr std::size_t kLongestGroup = 35;

    // One candidate: a group byte followed by its group's full length.
    struct Candidate {
        const GroupInfo& group;
        QByteArrayView body;   // the bytes after the group byte, checksum last
        bool ok;               // the checksum holds
        std::uint64_t offset;  // where the group byte stands in the stream, counted from 0
    };
    // Called once per candidate, in stream order. A good candidate is removed whole, a bad one
    // only by its first byte. The body is valid during the call only; the handler must not feed
    // this scanner.
    std::function<void(const Candidate&)> onCandidate;

    // Appends a chunk of any length and scans as far as the bytes allow.
    void feed(QByteArrayView chunk) {
        // One byte at a time is how a port often delivers: a byte that completes nothing is
        // settled here without a scan.
        if (chunk.size() == 1) {
            const auto b = static_cast<std::uint8_t>(chunk.front());
            if (carry_.empty() ? kGroupOfByte[b] == 0 : carry_.size() + 1 < waitingFor_) {
                if (!carry_.empty())
                    carry_.push_back(b);
                ++fed_;
                return;
            }
        }
        feedChunk(chunk);
    }

    // Bytes kept for the next chunk: a group byte at the front whose group is not complete yet,
    // so always fewer than kLongestGroup.
    std::size_t buffered() const { return carry_.size(); }

private:
    // Per byte value: 1 + the index of the group it starts, or 0 for a byte that is no group byte.
    static constexpr std::array<std::uint8_t, 256> kGroupOfByte = [] {
        std::array<std::uint8_t, 256> table{};
        for (const GroupInfo& g : kGroups)
            table[g.groupByte] = static_cast<std::uint8_t>(g.index + 1);
        return table;
    }();

    void feedChunk(QByteArrayView chunk);
    // Scans data[0, n), whose first byte has the stream offset `offset`, and returns where the
    // scan stopped: n, or the start of a candidate that needs more bytes than there are.
    std::size_t scan(const std::uint8_t* data, std::size_t n, std::uint64_t offset);

    std::vector<std::uint8_t> carry_;
    std::size_t waitingFor_ = 0;  // the full length of the group the kept bytes begin, or 0
    std::uint64_t fed_ = 0;       // bytes fed so far: the stream offset of the next chunk
};
