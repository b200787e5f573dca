// The COM data window's hex view as a model: the last received bytes (a fixed budget) with their
// running offset, shown sixteen to a line as offset, hex bytes and printable characters.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

class HexDump {
public:
    static constexpr int kBytesPerLine = 16;

    explicit HexDump(qsizetype budget = 65536);

    void feed(QByteArrayView bytes);
    void clear();

    // Lines of the kept bytes; line 0 starts at firstOffset().
    int lineCount() const;
    // "00000010  8F 12 34 ...  |..4.|"
    QString lineText(int line) const;
    std::uint64_t firstOffset() const { return firstOffset_; }
    std::uint64_t totalBytes() const { return firstOffset_ + std::uint64_t(bytes_.size()); }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
    std::uint64_t firstOffset_ = 0;  // always a multiple of kBytesPerLine
    qsizetype budget_;
};
