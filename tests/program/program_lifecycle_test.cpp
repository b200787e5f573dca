// Start-up and shut-down order over fakes of the station input, the outputs and the settings file.
#include "program/program_lifecycle.h"

#include <gtest/gtest.h>

#include "outputs/scheduler_fakes.h"

namespace {

const QDateTime kStart = stationTime(QDate(2025, 6, 16), QTime(7, 45, 12));

struct LifecycleRig : SchedulerRig {
    LifecycleRig()
        : SchedulerRig(kStart),
          lifecycle(
              settings, data, scheduler, input, [this] { load(); }, [this] { return save(); }) {}

    void load() {
        events.push_back("load");
        loadedWith = {scheduler.startClock(), settings.ProgramFolder};
        pendingAtLoad = data.FirstRoundPending;
        anySeenAtLoad = data.GroupSeen != std::array<bool, 5>{};
        if (clientActiveInFile)
            settings.ClientActive = true;
        if (activeInFile)
            scheduler.toggleActive();
    }
    bool save() {
        events.push_back("save");
        savedActive = scheduler.isActive();
        savedClient = input.clientConnected();
        return saveWorks;
    }

    bool activeInFile = false;
    bool clientActiveInFile = false;
    bool saveWorks = true;
    std::pair<QString, QString> loadedWith;
    bool pendingAtLoad = false;
    bool anySeenAtLoad = true;
    bool savedActive = false;
    bool savedClient = false;
    ProgramLifecycle lifecycle;
};

}  // namespace

TEST(ProgramLifecycle, FirstStartStaysInactive) {
    LifecycleRig rig;
    rig.data.GroupSeen.fill(true);
    rig.outputs.status = QStringLiteral("ASYNOP: X");
    rig.lifecycle.startUp(QStringLiteral("/opt/station"));

    EXPECT_EQ(rig.events, EventLog({"next Read", "next Import", "asynop status", "load"}));
    EXPECT_EQ(rig.loadedWith, std::make_pair(QString("0745"), QString("/opt/station/")));
    EXPECT_TRUE(rig.pendingAtLoad);
    EXPECT_FALSE(rig.anySeenAtLoad);
    EXPECT_FALSE(rig.scheduler.isActive());
    EXPECT_EQ(rig.title.bar().caption(), "Wetterpult - Inactive");
    EXPECT_EQ(rig.title.bar().panels()[0], "ASYNOP: X");
    EXPECT_EQ(rig.title.bar().panels()[1], "");  // no countdown before "Aktiv"
    EXPECT_EQ(rig.outputs.totalWrites(), 0);
}

TEST(ProgramLifecycle, ActiveAtStartupResumesTheWayItWasClosed) {
    LifecycleRig serial;
    serial.activeInFile = true;
    serial.lifecycle.startUp(QStringLiteral("/opt/station/"));
    EXPECT_TRUE(serial.scheduler.isActive());
    EXPECT_EQ(serial.events.back(), "open serial");
    EXPECT_EQ(serial.outputs.totalWrites(), 0);  // no group seen yet: no first round

    LifecycleRig client;
    client.activeInFile = true;
    client.clientActiveInFile = true;
    client.lifecycle.startUp(QStringLiteral("/opt/station/"));
    EXPECT_TRUE(client.scheduler.isActive());
    EXPECT_EQ(client.events.back(), "open client");
    EXPECT_EQ(std::count(client.events.begin(), client.events.end(), "open serial"), 0);

    // A port that cannot be opened is reported by the port; the start goes on to its end.
    LifecycleRig broken;
    broken.activeInFile = true;
    broken.input.serialOpens = false;
    broken.lifecycle.startUp(QStringLiteral("/opt/station/"));
    EXPECT_EQ(broken.events.back(), "open serial");
    EXPECT_TRUE(broken.scheduler.isActive());
}

TEST(ProgramLifecycle, ShutDownSavesThenClosesThenSaysGoodbye) {
    LifecycleRig rig;
    rig.activeInFile = true;
    rig.clientActiveInFile = true;
    rig.lifecycle.startUp(QStringLiteral("/opt/station/"));
    rig.events.clear();

    // The settings file cannot be written: nothing else happens, the program keeps running.
    rig.saveWorks = false;
    EXPECT_FALSE(rig.lifecycle.shutDown());
    EXPECT_EQ(rig.events, EventLog({"save"}));
    EXPECT_TRUE(rig.input.connected);

    rig.saveWorks = true;
    EXPECT_TRUE(rig.lifecycle.shutDown());
    EXPECT_EQ(rig.events, EventLog({"save", "save", "close serial", "disconnect"}));
    EXPECT_TRUE(rig.savedActive);
    EXPECT_TRUE(rig.savedClient);

    // Switched off before closing: the client is closed, so no "-Disconnect" is sent.
    LifecycleRig off;
    off.activeInFile = true;
    off.clientActiveInFile = true;
    off.lifecycle.startUp(QStringLiteral("/opt/station/"));
    off.scheduler.toggleActive();
    off.events.clear();
    EXPECT_TRUE(off.lifecycle.shutDown());
    EXPECT_EQ(off.events, EventLog({"save", "close serial"}));
    EXPECT_FALSE(off.savedActive);
    EXPECT_FALSE(off.savedClient);
}
