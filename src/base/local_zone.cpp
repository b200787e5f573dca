#include "base/local_zone.h"

#include <sys/stat.h>

#include <ctime>

namespace localzone {
namespace {

// What tells one zone file from another: a new zone is a new link or a rewritten file.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    bool operator==(const FileIdentity& o) const {
        return device == o.device && inode == o.inode && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec;
    }
};

FileIdentity identityOf(const QByteArray& file) {
    struct stat st {};
    if (stat(file.constData(), &st) != 0)
        return {};
    return {st.st_dev, st.st_ino, st.st_mtim};
}

QByteArray pinned;  // the file TZ names; empty while TZ is the user's
FileIdentity seen;

}  // namespace

void pinFile(const QByteArray& file) {
    if (qEnvironmentVariableIsSet("TZ")) {
        pinned.clear();
        return;
    }
    pinned = file;
    seen = identityOf(file);
    qputenv("TZ", ':' + file);
    tzset();
}

bool followFile() {
    if (pinned.isEmpty())
        return false;
    const FileIdentity now = identityOf(pinned);
    if (now == seen)
        return false;
    seen = now;
    // The C library reads the file again only when TZ changes: for a moment it names the same
    // file by a second path. Both values stay valid strings, so a thread reading TZ meanwhile
    // reads one of them.
    const qsizetype slash = pinned.lastIndexOf('/');
    qputenv("TZ", ':' + pinned.left(slash + 1) + "./" + pinned.mid(slash + 1));
    tzset();
    qputenv("TZ", ':' + pinned);
    tzset();
    return true;
}

}  // namespace localzone

LocalZoneWatch::LocalZoneWatch(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::VeryCoarseTimer);
    connect(&timer_, &QTimer::timeout, this, [] { localzone::followFile(); });
    timer_.start(60 * 1000);
}
