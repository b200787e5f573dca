// The client road's reads: each read from the station server is one message (group byte + body).
// A message shorter than its decoder needs is kept and completed from the next read(s); it is
// dropped when the next read begins a new group instead. Nothing is ever decoded from missing
// bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

class TcpMessageAssembler {
public:
    // Takes one read and returns the messages that are ready to dispatch, in order. A ready
    // message either begins with a group byte and holds at least the bytes its decoder reads, or
    // begins with another byte (it selects no decoder; the display is still refreshed).
    std::vector<QByteArray> feed(QByteArrayView read);

    // True while an incomplete message waits for its remaining bytes.
    bool pending() const { return !pending_.isEmpty(); }

private:
    QByteArray pending_;
};
