// Local time without a look at the zone file on every call.
//
// With TZ unset the C library looks at /etc/localtime (a stat) each time it works out a local
// time, and Qt asks it for nearly every local QDateTime: twenty looks a second on the desktop.
// With TZ naming the file it reads the file once. The program names it so at its start;
// LocalZoneWatch looks at the file itself once a minute and has it read again when it changed, so
// a newly chosen zone of the machine shows within a minute.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

namespace localzone {
// Sets TZ to the zone file when TZ is unset; a TZ the user set is left alone and followed by the
// C library as before. Call at the start of main, before any thread, as TZ is added to the
// environment.
void pinFile(const QByteArray& file = QByteArrayLiteral("/etc/localtime"));
// When TZ was pinned and the file is another one since the last look, the C library reads it
// again; true then.
bool followFile();
}  // namespace localzone

// Follows the zone file once a minute.
class LocalZoneWatch : public QObject {
public:
    explicit LocalZoneWatch(QObject* parent = nullptr);

private:
    QTimer timer_;
};
