// Drives the roads for wetterpult-decode and turns every framed group into its JSON line.
#include "station/decode_session.h"

#include <algorithm>

#include "station/record_json.h"
#include "station/tcp_dispatch.h"

DecodeSession::DecodeSession(std::size_t chunkSize, std::size_t maxLines)
    : road_(data_), chunkSize_(std::max<std::size_t>(chunkSize, 1)), maxLines_(maxLines) {
    // A bad group is written at once; a good one after its decoder ran, so its line shows the
    // decoded record.
    road_.onChecked = [this](const GroupCheckResult& r) {
        droppedHeld_ = r.droppedHeld;
        if (!r.accepted())
            emitLine(r.groupByte, r.rowText());
    };
    road_.onDecoded = [this](std::uint8_t groupByte) { emitLine(groupByte, "OK!"); };
}

void DecodeSession::emitLine(std::uint8_t groupByte, const char* checksum) {
    if (done())
        return;
    ++lines_;
    if (onLine)
        onLine(RecordJsonLine(groupByte, checksum, data_, droppedHeld_));
    droppedHeld_ = false;
}

void DecodeSession::feedSerial(QByteArrayView bytes) {
    const auto chunk = static_cast<qsizetype>(chunkSize_);
    if (!carry_.isEmpty()) {
        const qsizetype take = std::min(chunk - carry_.size(), bytes.size());
        carry_.append(bytes.first(take));
        bytes = bytes.sliced(take);
        if (carry_.size() < chunk)
            return;
        road_.feed(carry_);
        carry_.clear();
    }
    while (bytes.size() >= chunk && !done()) {
        road_.feed(bytes.first(chunk));
        bytes = bytes.sliced(chunk);
    }
    if (!done())
        carry_.append(bytes);
}

void DecodeSession::finishSerial() {
    if (!carry_.isEmpty() && !done())
        road_.feed(carry_);
    carry_.clear();
}

void DecodeSession::feedTcpRead(QByteArrayView read) {
    for (const QByteArray& message : assembler_.feed(read)) {
        if (done())
            return;
        const std::uint8_t group = DispatchTcpMessage(message, data_);
        if (group != 0)
            emitLine(group, nullptr);
    }
}
