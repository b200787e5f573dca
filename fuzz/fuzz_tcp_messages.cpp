// Fuzzes the client road: arbitrary reads through the message assembler and the dispatch, and
// arbitrary messages straight into the dispatch. Every ready message must be one the decoders can
// read whole; nothing may be read outside a message.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <cstdlib>

#include "station/group_table.h"
#include "station/tcp_dispatch.h"
#include "station/tcp_message_assembler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArrayView input(bytes, qsizetype(size));

    // The whole input as one message, in a block of its exact size.
    StationData direct;
    const std::uint8_t group = DispatchTcpMessage(input.toByteArray(), direct);
    if (group != 0 && !groupFor(group))
        std::abort();

    // Reads: each begins with a length byte (0..63) followed by that many bytes.
    TcpMessageAssembler assembler;
    StationData record;
    qsizetype at = 0;
    while (at < input.size()) {
        const qsizetype n = std::min<qsizetype>(bytes[at] % 64, input.size() - at - 1);
        const QByteArray read = input.sliced(at + 1, n).toByteArray();
        at += 1 + n;
        for (const QByteArray& message : assembler.feed(read)) {
            if (message.isEmpty())
                std::abort();
            const GroupInfo* g = groupFor(static_cast<std::uint8_t>(message.front()));
            if (g && std::size_t(message.size()) < 1 + decodedBodySize(*g))
                std::abort();
            const std::uint8_t decoded = DispatchTcpMessage(message, record);
            if ((g != nullptr) != (decoded != 0))
                std::abort();
        }
    }
    return 0;
}
