// Each read from the station server is one message, or several group messages back to back. A
// group message too short for its decoder waits for the rest from the following reads, unless a
// following read begins a new group.
#include "station/tcp_message_assembler.h"

#include "station/group_table.h"

namespace {

// Bytes a message beginning with this group byte needs: the group byte and every body byte the
// decoder reads.
qsizetype neededSize(const GroupInfo& group) {
    return 1 + static_cast<qsizetype>(decodedBodySize(group));
}

const GroupInfo* groupOf(QByteArrayView message) {
    return message.isEmpty() ? nullptr : groupFor(static_cast<std::uint8_t>(message.front()));
}

// Where the message at the start of the buffer ends: right behind its checksum or, from a server
// that leaves the checksum out, behind its last body byte, when another group message begins
// there; otherwise the message runs to the end of the buffer (extra bytes are ignored by the
// decoder). Body bytes are packed decimal digits, so a group byte at that place starts a message.
qsizetype messageEnd(QByteArrayView buffer, const GroupInfo& group) {
    const auto groupStartsAt = [&](qsizetype i) {
        return i < buffer.size() && groupFor(static_cast<std::uint8_t>(buffer[i])) != nullptr;
    };
    const auto withChecksum = static_cast<qsizetype>(1 + group.bodySize);
    const qsizetype withoutChecksum = neededSize(group);
    if (groupStartsAt(withChecksum))
        return withChecksum;
    if (groupStartsAt(withoutChecksum))
        return withoutChecksum;
    return buffer.size();
}

}  // namespace

std::vector<QByteArray> TcpMessageAssembler::feed(QByteArrayView read) {
    std::vector<QByteArray> ready;
    if (read.isEmpty())
        return ready;

    QByteArray buffer;
    if (groupOf(read)) {
        // A new group: whatever was waiting can no longer be completed.
        pending_.clear();
        buffer = read.toByteArray();
    } else if (pending_.isEmpty()) {
        ready.emplace_back(read.toByteArray());  // selects no decoder; the display still refreshes
        return ready;
    } else {
        buffer = std::move(pending_);
        pending_ = QByteArray();
        buffer.append(read);
    }

    // The server answers requests sent in the same second back to back, so one read often holds
    // several messages: each is cut off and handed on by itself, none is lost.
    while (!buffer.isEmpty()) {
        const GroupInfo& group = *groupOf(buffer);
        if (buffer.size() < neededSize(group)) {
            pending_ = std::move(buffer);
            break;
        }
        const qsizetype end = messageEnd(buffer, group);
        ready.emplace_back(buffer.first(end));
        buffer.remove(0, end);
    }
    return ready;
}
