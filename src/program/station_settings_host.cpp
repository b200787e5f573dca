#include "program/station_settings_host.h"

StationSettingsHost::StationSettingsHost(Settings& settings, StationInput& input,
                                         Scheduler& scheduler)
    : settings_(settings), input_(input), scheduler_(scheduler) {
    port = input_.serialLink().portName();
    address = input_.client().address();
    serverPort = input_.client().port();
}

void StationSettingsHost::overridePort(const QString& name) {
    portOverridden_ = true;
    input_.serialLink().setPortName(name);
}

void StationSettingsHost::overrideServer(const QString& a, quint16 p) {
    serverOverridden_ = true;
    input_.client().setAddress(a);
    input_.client().setPort(p);
}

bool StationSettingsHost::clientMode() const {
    if (portOverridden_)
        return false;
    return serverOverridden_ || settings_.ClientActive;
}

void StationSettingsHost::setPortName(const QString& name) {
    port = name;
    if (!portOverridden_)
        input_.serialLink().setPortName(name);
}

bool StationSettingsHost::clientOpen() const {
    // A choice of the command line is not remembered: the file keeps what it said.
    if (portOverridden_ || serverOverridden_)
        return settings_.ClientActive;
    // A server being tried again after a loss still counts as the open connection.
    return input_.client().isActive() || input_.reconnect().clientRoad();
}

void StationSettingsHost::setRemoteAddress(const QString& a) {
    address = a;
    if (!serverOverridden_)
        input_.client().setAddress(a);
}

void StationSettingsHost::setRemotePort(int p) {
    serverPort = p;
    if (!serverOverridden_ && p > 0 && p <= 65535)
        input_.client().setPort(quint16(p));
}

int StationSettingsHost::logInterval() const {
    return scheduler_.logInterval();
}

void StationSettingsHost::setLogInterval(int ms) {
    scheduler_.setLogInterval(ms);
}

bool StationSettingsHost::active() const {
    return scheduler_.isActive();
}

void StationSettingsHost::runAktivCommand() {
    scheduler_.toggleActive();
    ++aktivCommands;
    if (onAktiv)
        onAktiv(scheduler_.isActive());
}
