#include "program/station_silence.h"

#include <QProcess>
#include <algorithm>

#include "base/app_clock.h"
#include "base/notifier.h"

StationSilence::StationSilence(const StationData& data, const Settings& settings,
                               std::function<bool()> active, QObject* parent)
    : QObject(parent), data_(data), settings_(settings), active_(std::move(active)) {
    timer_.setInterval(10 * 1000);
    connect(&timer_, &QTimer::timeout, this, [this] { check(AppClock::currentDateTime()); });
    timer_.start();
}

void StationSilence::check(const QDateTime& now) {
    const std::int64_t nowMs = now.toMSecsSinceEpoch();
    if (!active_()) {
        activeSinceMs_ = 0;
        told_ = false;
        return;
    }
    if (activeSinceMs_ == 0)
        activeSinceMs_ = nowMs;
    const std::int64_t lastGroup =
        *std::max_element(data_.GroupArrivedMs.begin(), data_.GroupArrivedMs.end());
    // Silent since the last good group, or since the switch-on when none has come since.
    const std::int64_t since = std::max(lastGroup, activeSinceMs_);
    const bool silentNow = nowMs - since >= std::int64_t(settings_.StilleMinuten) * 60 * 1000;
    if (silentNow && !told_) {
        told_ = true;
        const QString text =
            QStringLiteral("Seit %1 keine Daten von der Station")
                .arg(QDateTime::fromMSecsSinceEpoch(since).toString(QStringLiteral("HH:mm")));
        runAlarmCommand(text);
        notify(QStringLiteral("Station"), text, MessageButtons::Ok);
    } else if (!silentNow && told_) {
        told_ = false;
        runAlarmCommand(QStringLiteral("Station sendet wieder"));
    }
}

void StationSilence::runAlarmCommand(const QString& text) const {
    if (settings_.AlarmBefehl.trimmed().isEmpty())
        return;
    // The command is a program, not a shell line: its one argument is the text as it stands.
    if (!QProcess::startDetached(settings_.AlarmBefehl.trimmed(), {text}))
        reportError(QStringLiteral("Der Alarmbefehl %1 lässt sich nicht starten.")
                        .arg(settings_.AlarmBefehl));
}
