// The second and minute ticks of the scheduler. Each tick reads the clock once and does all its
// work for that moment, so a slow writer cannot push a later step into the next minute.
#include <algorithm>

#include "base/app_clock.h"
#include "outputs/rolling_values.h"
#include "outputs/scheduler.h"
#include "outputs/tick_plan.h"

namespace {

// "hh:nn" or "hhnn" of a time of day (built by hand: it runs every second).
QString hoursMinutes(const QTime& t, bool withColon) {
    const char16_t text[5] = {char16_t(u'0' + t.hour() / 10), char16_t(u'0' + t.hour() % 10), u':',
                              char16_t(u'0' + t.minute() / 10), char16_t(u'0' + t.minute() % 10)};
    if (withColon)
        return QString(reinterpret_cast<const QChar*>(text), 5);
    const char16_t digits[4] = {text[0], text[1], text[3], text[4]};
    return QString(reinterpret_cast<const QChar*>(digits), 4);
}

}  // namespace

void Scheduler::tmrSekundenTimer() {
    const QDateTime now = AppClock::currentDateTime();
    // The counter runs 59 down to 0 with the seconds of the wall clock, so it wraps to 59 just as
    // the minute tick comes and the countdowns of the status bar show the real time left.
    secondsCounter_ = std::uint8_t(59 - std::min(now.time().second(), 59));
    if (input_.clientConnected())
        input_.sendGroupRequests(secondsCounter_);
    checkFresh();  // fresh data in between two outputs count for the message about stale ones

    const QString hhnn = hoursMinutes(now.time(), true);
    const qint64 minute = wallMinute(now);
    if (hhnn == nextReadTime_ && !settings_.ReadManuell && minute != readWrittenMinute_) {
        readWrittenMinute_ = minute;
        if (mayPublish())
            outputs_.writeReport(1);
        nextReadTime_ = nextScheduleTime_(QStringLiteral("Read"));
    }
    if (hhnn == nextImportTime_ && !settings_.ImportManuell && minute != importWrittenMinute_) {
        importWrittenMinute_ = minute;
        if (mayPublish())
            outputs_.writeReport(2);
        nextImportTime_ = nextScheduleTime_(QStringLiteral("Import"));
    }
    stateChanged();
}

void Scheduler::minutencountTimer() {
    const QTime now = AppClock::currentDateTime().time();

    advanceWindRing(data_);
    updateRain24h(data_, hoursMinutes(now, false) == startClock_);

    if (logMinutesLeft_ != 0 && --logMinutesLeft_ == 0)
        logMinutesLeft_ = logIntervalMs_ / 60000;

    if (aprsMinutesLeft_ != 0)
        --aprsMinutesLeft_;
    if (active_ && aprsMinutesLeft_ == 0 && settings_.APRSIntervall != 0) {
        if (mayPublish())
            outputs_.writeAprs();
        aprsMinutesLeft_ = settings_.APRSIntervall;
    }

    const QString hhnn = hoursMinutes(now, true);
    const int count = std::min<int>(settings_.ProfileCount, kProfileSlots);
    for (int n = 2; n <= count; ++n) {
        const Profile& p = settings_.profile(n);
        if (!p.WieWinGT && p.Uhrzeit == hhnn && mayPublish())
            outputs_.writeReport(n);
    }
    if (settings_.ReadMinute && mayPublish())
        outputs_.writeReport(1);

    // The report line needs fresh data; starting, ending and delivering the file do not.
    const bool fresh = checkFresh();
    if (outputs_.asynopHourlyCheck(fresh) && !fresh)
        mayPublish();  // a line was due and left out
    showAsynopStatus();
    stateChanged();
}
