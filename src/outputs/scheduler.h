// The "Aktiv" switch and the three timers behind the program's outputs: the second tick (WinGT
// Read and Import times, client polling), the minute tick (wind ring, 24-hour rain, APRS, daily
// profiles, Read page each minute, ASYNOP hours) and the log timer; plus the run-now commands.
// The tick handlers read the application clock, so a test can drive whole days through them.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>

#include "config/settings.h"
#include "outputs/input_control.h"
#include "outputs/output_actions.h"
#include "station/weather_record.h"

class Scheduler {
public:
    // Gives the next due "hh:nn" of the schedule list "Read" or "Import".
    using ScheduleSource = std::function<QString(const QString& name)>;

    Scheduler(StationData& data, const Settings& settings, OutputActions& outputs,
              InputControl& input, ScheduleSource nextScheduleTime);

    // --- The "Aktiv" switch
    bool isActive() const { return active_; }
    // Switches active or inactive, as the menu item, F2 and the tool button do. A station that
    // cannot be reached leaves the switch on: the input tries again until it is back.
    void toggleActive();

    // --- Ticks, called by the scheduler clock (or a test)
    void tmrSekundenTimer();
    void minutencountTimer();
    void logtimerTimer();
    // The clock jumped: the next Read and Import times are taken anew from the present time, so a
    // time passed in the jump does not hold up the rest of the day's list.
    void clockJumped();

    // --- Run-now commands of the "Datei" menu; they act whatever the active state, and with data
    // that are not fresh after a warning
    void importNow();  // "JETZT Import erstellen!": the page of profile 2
    void readNow();    // "JETZT Read erstellen!"
    void logNow();     // "JETZT Log updaten!"
    void aprsNow();    // "JETZT APRS erstellen!"
    void asynopNewFile();
    void asynopAppendLine();
    void asynopEndFile();

    // --- Start-up pieces
    // The start clock := the present time of day as "hhnn".
    void takeStartClock();
    // The next Read time, then the next Import time, from the schedule lists (also after the WinGT
    // dialog).
    void updateScheduleTimes();
    // Reads the ASYNOP status text anew from the report's working file.
    void showAsynopStatus();

    // The weather-log interval in milliseconds; 0 = no log timer.
    int logInterval() const { return logIntervalMs_; }
    void setLogInterval(int ms);

    // --- State, for the status bar and the tests
    std::uint8_t secondsCounter() const { return secondsCounter_; }
    int logMinutesLeft() const { return logMinutesLeft_; }
    int aprsMinutesLeft() const { return aprsMinutesLeft_; }
    const QString& nextReadTime() const { return nextReadTime_; }
    const QString& nextImportTime() const { return nextImportTime_; }
    const QDateTime& activationTime() const { return activationTime_; }
    const QString& startClock() const { return startClock_; }
    // "ASYNOP: XX": the report lines in the working file, as showAsynopStatus read them last.
    const QString& asynopStatus() const { return asynopStatus_; }
    // The station input is lost since then; invalid while it is not lost.
    QDateTime stationLostSince() const { return input_.stationLostSince(); }
    // Active, but the data are not fresh enough for the timed outputs.
    bool dataStale() const { return active_ && dataFresh && !dataFresh(); }

    // Whether going active opens the client connection instead of the serial port; when not set,
    // the setting ClientActive decides. (The program sets it when the command line chooses the
    // input for one run.)
    std::function<bool()> clientMode;

    // Whether the station data are fresh enough for a timed output: every group it reads arrived
    // within the last two minutes. By default the arrival times of the station data.
    std::function<bool()> dataFresh;

    // After each tick and each switch: the state above is the one to show (the program builds the
    // caption and the status panels from it).
    std::function<void()> onStateChanged;
    // After the ASYNOP status text was read anew.
    std::function<void()> onAsynopStatusChanged;
    // After the active state or the log interval changed (the scheduler clock follows them).
    std::function<void()> onTimersChanged;

private:
    void activationRun();
    // A timed output may be written: the data are fresh. When they are not, the output is
    // skipped, and the first skip after fresh data tells the user once.
    bool mayPublish();
    bool checkFresh();
    // A run-now command with data that are not fresh warns before it writes.
    void warnIfStale();
    void stateChanged();
    void timersChanged();

    StationData& data_;
    const Settings& settings_;
    OutputActions& outputs_;
    InputControl& input_;
    ScheduleSource nextScheduleTime_;

    bool active_ = false;
    std::uint8_t secondsCounter_ = 0;
    int logMinutesLeft_ = 0;
    int aprsMinutesLeft_ = 0;
    QString nextReadTime_;
    QString nextImportTime_;
    QDateTime activationTime_;
    QString startClock_;
    QString asynopStatus_;
    int logIntervalMs_ = 600000;
    // Wall minute in which the Read / Import page was last written on schedule: a list of one time
    // gives that same time again, which must not write the page at every second of the minute.
    qint64 readWrittenMinute_ = -1;
    qint64 importWrittenMinute_ = -1;
    // Fresh data have been seen since the last message about data that are not.
    bool staleMessageDue_ = false;
};
