// One weather network the station's values are uploaded to (CWOP, Weather Underground, ...): what
// the uploads' runner needs to know of it. A service only sends; when to send, the freshness of
// the data, the timeout, the failure spells and the state shown to the user are the runner's
// (uploads.h), so a new network is one class of this kind and one line where the program makes
// its services.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include "config/settings.h"
#include "station/weather_record.h"

class UploadService : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The name the user reads ("CWOP"), the name of the command line's --run ("cwop").
    virtual QString name() const = 0;
    virtual QString command() const = 0;
    // The caption of its messages ("CWOP / APRS-IS").
    virtual QString caption() const = 0;

    virtual bool enabled(const Settings& settings) const = 0;
    // Minutes between two sends, never below the network's least interval.
    virtual int intervalMinutes(const Settings& settings) const = 0;
    // The minute of the hour of its first send (the rest follow at the interval).
    virtual int firstMinute(const Settings&) const { return 0; }
    // What keeps these settings from sending at all (no call sign, no station ID), in German;
    // empty when they are complete.
    virtual QString settingsProblem(const Settings& settings) const = 0;

    // Starts one upload of the values as they stand at `now` with these settings (they are read
    // now, not kept); it ends in finished(). Called only with fresh data and while none runs.
    virtual void send(const StationData& data, const Settings& settings, const QDateTime& now) = 0;
    // Gives up the upload in progress without a finished().
    virtual void abort() = 0;

signals:
    // The upload ended: accepted, or the German reason why not (never with a secret in it).
    void finished(bool ok, const QString& reason);
};
