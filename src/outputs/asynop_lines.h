// The texts of the ASYNOP report: the head of a new file, the SYNOP-style report line, the end part
// and the status bar text. Pure functions; the file steps are in asynop_report.h.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "base/formats.h"
#include "config/settings.h"
#include "station/weather_record.h"

// The moment in UTC for a local moment and the time-zone setting (Zeitzone hours local time is
// ahead of UTC, or the system's zone at that moment), as a plain date and time: local 19:00 with
// Zeitzone -5 is 00:00 UTC of the next day.
QDateTime AsynopUtc(const QDateTime& localNow, const Settings& settings);

// "ASYNOP " + sender + " " + date "dd.mm.yy".
QString AsynopSubjectText(const QString& sender, const QDateTime& now, const Formats& formats);

// The head of a new file: mailbox header, subject, empty line, ASYNOPvor, empty line,
// "ASYNOP yymmdd" and "SXSX"; `sender` as AsynopSender gives it.
QStringList AsynopHeadLines(const Settings& settings, const QString& sender, const QDateTime& now,
                            const Formats& formats);

// One report line of SYNOP groups, e.g. "QQ9ZZ  07121 99505 10071 36/// /2203 10053 29081 40132
// 52///=": day and hour in UTC, position, precipitation indicator, wind in whole m/s, temperature,
// humidity, sea-level pressure without its thousands figure, forecast and rain rate. A value the
// console cannot measure is written as slashes ("29///"), as SYNOP writes what was not observed.
QString AsynopReportLine(const StationData& data, const Settings& settings, const QDateTime& now);
// The same with the sender as AsynopSender gives it.
QString AsynopReportLine(const StationData& data, const Settings& settings, const QString& sender,
                         const QDateTime& now);

// The end part: "/QAM/", an empty line, ASYNOPnach.
QStringList AsynopEndLines(const Settings& settings);

// The status bar text for the lines of the working file: "ASYNOP: " and one "X" per report line
// (at least one; the last line of the file is not counted, so an ended file shows one more).
QString AsynopStatusFromLines(const QStringList& lines, const QString& sender);
