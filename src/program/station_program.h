// The program's working parts without any window: station data, settings, output writers, the
// station input, the "Aktiv" switch with its timers, the minute archive, and the order of start-up
// and shut-down. The program without windows runs this alone; the desktop program puts the main
// window on top.
#pragma once

#include <QString>

#include "archive/archive_care.h"
#include "archive/archive_feed.h"
#include "base/local_zone.h"
#include "config/settings.h"
#include "outputs/asynop_state.h"
#include "outputs/output_writers.h"
#include "outputs/scheduler.h"
#include "outputs/scheduler_clock.h"
#include "outputs/station_input_control.h"
#include "program/program_lifecycle.h"
#include "program/program_title.h"
#include "program/station_settings_host.h"
#include "program/station_silence.h"
#include "publish/mqtt_publisher.h"
#include "publish/uploads.h"
#include "station/station_input.h"
#include "station/weather_record.h"
#include "web/web_server.h"

class StationProgram {
public:
    StationProgram();

    // The settings are loaded and saved through this host (the desktop program's host adds the
    // window's values to the links' ones); by default the links' own host.
    void useSettingsHost(SettingsHost& host) { settingsHost_ = &host; }

    // Run-now command by its command-line name (kRunNowCommands in outputs/run_now.h, or an
    // upload's name: "cwop", "wu"); false for an unknown name.
    bool runNow(const QString& action);

    StationData data;
    Settings settings;
    AsynopState asynop;
    OutputWriters outputs;
    StationInput input;
    StationInputControl control;
    Scheduler scheduler;
    // The caption and the status panels, from the scheduler's state.
    ProgramTitle title;
    SchedulerClock clock;
    // A zone newly chosen on the machine is taken up within a minute.
    LocalZoneWatch zone;
    StationSettingsHost links;
    ProgramLifecycle lifecycle;
    // Every good group of either road also goes into the minute archive.
    ArchiveFeed archive;
    // The check at start, the daily backup and the monthly climate reports.
    ArchiveCare care;
    // A station silent for StilleMinuten while "Aktiv" is told once.
    StationSilence silence;
    // The station's values on an MQTT broker (Home Assistant), while [MQTT] says so.
    MqttPublisher mqtt;
    // The uploads to the weather networks (CWOP, Weather Underground).
    Uploads uploads;
    // The program's own web page, while [Web] says so.
    WebServer web;

private:
    // The rain totals the archive holds of the last day, so that the rain of today and of the last
    // 24 hours go on across a restart.
    void recallRecentRain();

    SettingsHost* settingsHost_ = &links;
};
