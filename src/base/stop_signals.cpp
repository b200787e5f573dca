#include "base/stop_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace {
int pipeFds[2] = {-1, -1};
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void writeSignalByte(int signalNumber) {
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t n = ::write(pipeFds[0], &byte, 1);
}
}  // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeFds) != 0)
        return;
    notifier_ = new QSocketNotifier(pipeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::onReadable);
    struct sigaction action {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // SIGHUP too: a closed terminal must not lose the settings.
    for (int signalNumber : kStopSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

StopSignals::~StopSignals() {
    for (int signalNumber : kStopSignals)
        std::signal(signalNumber, SIG_DFL);
    delete notifier_;
    notifier_ = nullptr;
    for (int& fd : pipeFds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void StopSignals::onReadable() {
    char byte = 0;
    if (::read(pipeFds[1], &byte, 1) == 1)
        emit stopRequested(int(byte));
}
