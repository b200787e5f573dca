#include "program/service_notify.h"

#include <systemd/sd-daemon.h>

#include <cstdint>

ServiceNotify::ServiceNotify(QObject* parent) : QObject(parent) {
    connect(&ping_, &QTimer::timeout, this, [] { sd_notify(0, "WATCHDOG=1"); });
}

void ServiceNotify::ready() {
    sd_notify(0, "READY=1");
    std::uint64_t usec = 0;
    if (sd_watchdog_enabled(0, &usec) > 0 && usec > 0) {
        // Half the interval, as systemd advises: one late turn of the loop is no hang.
        ping_.start(int(std::max<std::uint64_t>(usec / 2000, 1)));
    }
}

void ServiceNotify::stopping() {
    ping_.stop();
    sd_notify(0, "STOPPING=1");
}
