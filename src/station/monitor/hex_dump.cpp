#include "station/monitor/hex_dump.h"

HexDump::HexDump(qsizetype budget) : budget_(budget - budget % kBytesPerLine) {}

void HexDump::feed(QByteArrayView bytes) {
    bytes_.append(bytes);
    if (bytes_.size() > budget_ + budget_ / 4) {
        // Drop whole lines from the front, in one step for many small chunks.
        qsizetype drop = bytes_.size() - budget_;
        drop += (kBytesPerLine - drop % kBytesPerLine) % kBytesPerLine;
        bytes_.remove(0, drop);
        firstOffset_ += std::uint64_t(drop);
    }
}

void HexDump::clear() {
    firstOffset_ = totalBytes();
    firstOffset_ += (kBytesPerLine - firstOffset_ % kBytesPerLine) % kBytesPerLine;
    bytes_.clear();
}

int HexDump::lineCount() const {
    return int((bytes_.size() + kBytesPerLine - 1) / kBytesPerLine);
}

QString HexDump::lineText(int line) const {
    const qsizetype start = qsizetype(line) * kBytesPerLine;
    const qsizetype n = std::min<qsizetype>(kBytesPerLine, bytes_.size() - start);
    QString text = QString::number(firstOffset_ + std::uint64_t(start), 16)
                       .rightJustified(8, QLatin1Char('0'))
                       .toUpper() +
                   QStringLiteral("  ");
    QString chars;
    for (qsizetype i = 0; i < kBytesPerLine; ++i) {
        if (i < n) {
            const auto b = std::uint8_t(bytes_[start + i]);
            text += QString::number(b, 16).rightJustified(2, QLatin1Char('0')).toUpper();
            chars += b >= 0x20 && b < 0x7F ? QChar(b) : QLatin1Char('.');
        } else {
            text += QStringLiteral("  ");
        }
        text += i == 7 ? QStringLiteral("  ") : QStringLiteral(" ");
    }
    return text + QStringLiteral(" |") + chars + QStringLiteral("|");
}
