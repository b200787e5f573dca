// The alarm for a station that has fallen silent: while "Aktiv", no good group for StilleMinuten
// minutes gives one message "Seit hh:mm keine Daten von der Station", and the program named by
// AlarmBefehl (for a mail or a phone notification) is run with that text as its argument; when
// data return it is run once more with "Station sendet wieder".
#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

#include "config/settings.h"
#include "station/weather_record.h"

class StationSilence : public QObject {
    Q_OBJECT
public:
    // `active`: whether reception is switched on ("Aktiv").
    StationSilence(const StationData& data, const Settings& settings, std::function<bool()> active,
                   QObject* parent = nullptr);

    // Looks at the station at `now`; the timer does so every ten seconds.
    void check(const QDateTime& now);

    bool silent() const { return told_; }

private:
    void runAlarmCommand(const QString& text) const;

    const StationData& data_;
    const Settings& settings_;
    std::function<bool()> active_;
    QTimer timer_;
    std::int64_t activeSinceMs_ = 0;  // 0 while not active
    bool told_ = false;
};
