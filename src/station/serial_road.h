// The serial road: one scanner cuts the station's groups out of the byte stream in arrival order;
// each candidate's checksum result goes to its row of the checksum window, and a good group is
// marked as seen and decoded into the station data. Observers hear of each check and each decode.
#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <functional>

#include "station/group_confirmation.h"
#include "station/group_scanner.h"
#include "station/weather_record.h"

struct GroupCheckResult {
    std::uint8_t groupByte = 0;
    int row = 0;  // 1 = 0x8F ... 5 = 0xCF: the row of the checksum window
    bool ok = false;
    // The checksum held, but the values jump from the last group of the kind: the group waits for
    // the next one to confirm it and is not decoded yet.
    bool held = false;
    // The group held before this one was not confirmed by it and is dropped.
    bool droppedHeld = false;
    // This group confirmed the one held before it: a real change, decoded now.
    bool confirmedHeld = false;
    QByteArrayView body;       // the candidate's body, checksum last; valid during the call only
    std::uint64_t offset = 0;  // where its group byte stands in the stream, counted from 0

    // The row text the checksum window shows: "OK!", "Error!", or "Gehalten!" for a held group.
    const char* rowText() const { return !ok ? "Error!" : held ? "Gehalten!" : "OK!"; }
    // Decoded into the record.
    bool accepted() const { return ok && !held; }
};

class SerialRoad {
public:
    explicit SerialRoad(StationData& data);
    SerialRoad(const SerialRoad&) = delete;
    SerialRoad& operator=(const SerialRoad&) = delete;

    // Hands one chunk, of any length, to the scanner; groups come out in stream order.
    void feed(QByteArrayView chunk) { scanner_.feed(chunk); }

    // Called after every candidate group with its check result (before decoding).
    std::function<void(const GroupCheckResult&)> onChecked;
    // Called after a good group was decoded into the record (the display refresh hangs here).
    std::function<void(std::uint8_t groupByte)> onDecoded;

    // Groups held because their values jumped, and of them the ones dropped, per group kind.
    const GroupConfirmation& confirmation() const { return confirmation_; }

    // Bytes kept for the next chunk (the start of a group not yet complete).
    std::size_t buffered() const { return scanner_.buffered(); }

    // The group byte plus every body byte but the last, summed modulo 256, equals the last.
    static bool checksumMatches(std::uint8_t groupByte, QByteArrayView body);

private:
    void GroupCheck(const GroupScanner::Candidate& candidate);

    StationData& data_;
    GroupScanner scanner_;
    GroupConfirmation confirmation_;
};
