// Dispatch of client-road messages by their first byte.
#include "station/tcp_dispatch.h"

#include "station/group_table.h"

std::uint8_t DispatchTcpMessage(QByteArrayView message, StationData& data) {
    if (message.isEmpty())
        return 0;
    const GroupInfo* group = groupFor(static_cast<std::uint8_t>(message.front()));
    if (!group)
        return 0;
    const QByteArrayView body = message.sliced(1);
    if (static_cast<std::size_t>(body.size()) < decodedBodySize(*group))
        return 0;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(body.data());
    applyGroup(data, *group, GroupBody(bytes, static_cast<std::size_t>(body.size())));
    return group->groupByte;
}
