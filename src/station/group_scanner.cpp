// The scan over the stream: at the front, a byte that is no group byte is skipped; a group byte
// waits for its group's full length; a group whose checksum holds is handed on and removed whole;
// a candidate whose checksum fails is reported and only its first byte is skipped.
//
// A chunk is scanned where it lies; only the start of a group still waiting for its last bytes is
// kept between chunks, so one-byte chunks and large chunks are cheap alike.
#include "station/group_scanner.h"

#include <algorithm>

static_assert([] {
    for (const GroupInfo& g : kGroups)
        if (g.bodySize + 1 > GroupScanner::kLongestGroup)
            return false;
    return true;
}());

bool groupChecksumMatches(std::uint8_t groupByte, const std::uint8_t* body, std::size_t bodySize) {
    if (bodySize == 0)
        return false;
    std::uint8_t sum = groupByte;
    for (std::size_t i = 0; i + 1 < bodySize; ++i)
        sum = static_cast<std::uint8_t>(sum + body[i]);
    return sum == body[bodySize - 1];
}

std::size_t GroupScanner::scan(const std::uint8_t* data, std::size_t n, std::uint64_t offset) {
    std::size_t at = 0;
    while (at < n) {
        const std::uint8_t kind = kGroupOfByte[data[at]];
        if (kind == 0) {
            ++at;
            continue;
        }
        const GroupInfo& group = kGroups[kind - 1];
        if (n - at < group.bodySize + 1)
            return at;  // waits for the rest of its group
        const std::uint8_t* body = data + at + 1;
        const bool ok = groupChecksumMatches(group.groupByte, body, group.bodySize);
        if (onCandidate)
            onCandidate(Candidate{group,
                                  QByteArrayView(body, static_cast<qsizetype>(group.bodySize)), ok,
                                  offset + at});
        // A false start or a cut group: the scan goes on inside it, where a real group may begin.
        at += ok ? group.bodySize + 1 : 1;
    }
    return n;
}

void GroupScanner::feedChunk(QByteArrayView chunk) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(chunk.data());
    const auto n = static_cast<std::size_t>(chunk.size());
    if (n == 0)
        return;
    const std::uint64_t chunkOffset = fed_;
    fed_ += n;
    std::size_t from = 0;
    if (!carry_.empty()) {
        // The kept start and enough of the chunk to settle every candidate that begins in it.
        const std::size_t kept = carry_.size();
        const std::size_t take = std::min(n, kLongestGroup);
        carry_.insert(carry_.end(), data, data + take);
        const std::size_t stop = scan(carry_.data(), carry_.size(), chunkOffset - kept);
        if (stop < kept) {
            // Still waiting inside the kept bytes: then the whole chunk was taken (a candidate
            // has fewer than kLongestGroup bytes), and the waiting start stays at the front.
            carry_.erase(carry_.begin(), carry_.begin() + static_cast<std::ptrdiff_t>(stop));
            waitingFor_ = kGroups[kGroupOfByte[carry_.front()] - 1].bodySize + 1;
            return;
        }
        carry_.clear();
        from = stop - kept;
    }
    const std::size_t stop = from + scan(data + from, n - from, chunkOffset + from);
    carry_.assign(data + stop, data + n);
    waitingFor_ = carry_.empty() ? 0 : kGroups[kGroupOfByte[carry_.front()] - 1].bodySize + 1;
}
