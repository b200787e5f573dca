// The serial road: the scanner over the byte stream, the checksum result of every candidate and
// the hand-over of good groups to their decoders.
#include "station/serial_road.h"

SerialRoad::SerialRoad(StationData& data) : data_(data) {
    scanner_.onCandidate = [this](const GroupScanner::Candidate& c) { GroupCheck(c); };
}

bool SerialRoad::checksumMatches(std::uint8_t groupByte, QByteArrayView body) {
    return groupChecksumMatches(groupByte, reinterpret_cast<const std::uint8_t*>(body.data()),
                                static_cast<std::size_t>(body.size()));
}

void SerialRoad::GroupCheck(const GroupScanner::Candidate& candidate) {
    const GroupInfo& group = candidate.group;
    GroupCheckResult result;
    result.groupByte = group.groupByte;
    result.row = group.index + 1;
    result.ok = candidate.ok;
    result.body = candidate.body;
    result.offset = candidate.offset;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(candidate.body.data());
    const GroupBody body(bytes, static_cast<std::size_t>(candidate.body.size()));
    if (result.ok) {
        // Decoded into a copy first: the record changes only once the values are believable.
        WeatherRecord trial = data_.Record;
        group.decode(body, trial);
        const GroupConfirmation::Verdict verdict =
            confirmation_.judge(group.index, data_.Record, trial);
        result.held = !verdict.accept;
        result.droppedHeld = verdict.droppedHeld;
        result.confirmedHeld = verdict.confirmedHeld;
    }
    if (onChecked)
        onChecked(result);
    if (!result.accepted())
        return;  // a bad or held group leaves the record and GroupSeen untouched

    data_.GroupSeen[static_cast<std::size_t>(group.index)] = true;
    applyGroup(data_, group, body);
    if (onDecoded)
        onDecoded(group.groupByte);
}
