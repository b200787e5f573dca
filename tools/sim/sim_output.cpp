#include "sim_output.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}
}  // namespace

SimOutput::~SimOutput() {
    if (ownsFd_ && fd_ >= 0)
        ::close(fd_);
    if (slave_ >= 0)
        ::close(slave_);
}

bool SimOutput::openPty(QString* error) {
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B9600);
    ::cfsetospeed(&raw, B9600);
    char name[256] = {};
    int master = -1;
    if (::openpty(&master, &slave_, name, &raw, nullptr) != 0) {
        *error = QStringLiteral("Pseudo-Terminal lässt sich nicht anlegen: %1").arg(systemError());
        return false;
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    fd_ = master;
    ownsFd_ = true;
    ptyPath_ = QString::fromLocal8Bit(name);
    return true;
}

bool SimOutput::openOut(const QString& target, QString* error) {
    if (target == QLatin1String("-")) {
        fd_ = STDOUT_FILENO;
        return true;
    }
    const QByteArray path = target.toLocal8Bit();
    fd_ = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        *error = QStringLiteral("%1 lässt sich nicht schreiben: %2").arg(target, systemError());
        return false;
    }
    ownsFd_ = true;
    return true;
}

bool SimOutput::write(const QByteArray& bytes, QString* error) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    bool flushed = false;
    while (left > 0) {
        const ssize_t n = ::write(fd_, p, size_t(left));
        if (n > 0) {
            p += n;
            left -= n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN && slave_ >= 0) {
            // Nobody reads the port: drop what waits in it, as a station's bytes would be lost.
            if (flushed)
                return true;
            ::tcflush(slave_, TCIFLUSH);
            flushed = true;
            continue;
        }
        *error = QStringLiteral("Schreiben fehlgeschlagen: %1").arg(systemError());
        return false;
    }
    return true;
}
