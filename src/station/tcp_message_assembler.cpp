// Each read from the station server is one message. A group message too short for its decoder
// waits for the rest from the following reads, unless a following read begins a new group.
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

}  // namespace

std::vector<QByteArray> TcpMessageAssembler::feed(QByteArrayView read) {
    std::vector<QByteArray> ready;
    if (read.isEmpty())
        return ready;

    if (const GroupInfo* group = groupOf(read)) {
        // A new group: whatever was waiting can no longer be completed.
        pending_.clear();
        if (read.size() >= neededSize(*group))
            ready.emplace_back(read.toByteArray());
        else
            pending_ = read.toByteArray();
        return ready;
    }

    if (pending_.isEmpty()) {
        ready.emplace_back(read.toByteArray());  // selects no decoder; the display still refreshes
        return ready;
    }

    pending_.append(read);
    if (pending_.size() >= neededSize(*groupOf(pending_))) {
        ready.emplace_back(std::move(pending_));
        pending_ = QByteArray();
    }
    return ready;
}
