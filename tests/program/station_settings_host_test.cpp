// The headless program's settings host: real objects behind the window-held values, and inputs
// chosen on the command line that the settings file does not remember.
#include "program/station_settings_host.h"

#include <gtest/gtest.h>

#include "outputs/scheduler_fakes.h"

namespace {

struct HostRig : SchedulerRig {
    HostRig() : SchedulerRig(stationTime(QDate(2025, 6, 16), QTime(8, 0))), station(data) {}
    StationInput station;
};

}  // namespace

TEST(StationSettingsHost, PassesValuesToTheRealObjects) {
    HostRig rig;
    StationSettingsHost host(rig.settings, rig.station, rig.scheduler);
    host.setPortName("ttyUSB0");
    host.setRemoteAddress("192.168.1.7");
    host.setRemotePort(7000);
    host.setLogInterval(300000);
    EXPECT_EQ(rig.station.serialLink().portName(), "ttyUSB0");
    EXPECT_EQ(rig.station.client().address(), "192.168.1.7");
    EXPECT_EQ(rig.station.client().port(), 7000);
    EXPECT_EQ(rig.scheduler.logInterval(), 300000);
    EXPECT_EQ(host.logInterval(), 300000);

    EXPECT_FALSE(host.active());
    host.runAktivCommand();  // what loading does when ActiveAtStartup is set
    EXPECT_TRUE(rig.scheduler.isActive());
    EXPECT_TRUE(host.active());
    EXPECT_FALSE(host.clientMode());
    EXPECT_FALSE(host.clientOpen());
    rig.settings.ClientActive = true;
    EXPECT_TRUE(host.clientMode());
}

TEST(StationSettingsHost, CommandLineInputsAreForThisRunOnly) {
    HostRig rig;
    StationSettingsHost host(rig.settings, rig.station, rig.scheduler);
    host.overridePort("/dev/pts/9");
    host.setPortName("COM2");  // loaded from the file afterwards
    EXPECT_EQ(rig.station.serialLink().portName(), "/dev/pts/9");
    EXPECT_EQ(host.portName(), "COM2");
    rig.settings.ClientActive = true;
    EXPECT_FALSE(host.clientMode());  // a port on the command line means the serial port

    HostRig client;
    StationSettingsHost clientHost(client.settings, client.station, client.scheduler);
    clientHost.overrideServer("10.0.0.2", 6999);
    clientHost.setRemoteAddress("127.0.0.1");
    clientHost.setRemotePort(6980);
    EXPECT_EQ(client.station.client().address(), "10.0.0.2");
    EXPECT_EQ(client.station.client().port(), 6999);
    EXPECT_EQ(clientHost.remoteAddress(), "127.0.0.1");
    EXPECT_EQ(clientHost.remotePort(), 6980);
    EXPECT_TRUE(clientHost.clientMode());
    EXPECT_FALSE(clientHost.clientOpen());  // the file's ClientActive, not this run's choice
}
