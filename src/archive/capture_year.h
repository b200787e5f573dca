// The year a replayed capture's station clock begins in. The station sends no year; taking the
// latest first date that is not in the future puts a capture of a whole year, which begins on
// today's date a year ago, into the coming year. Read through once before the replay, the capture
// tells where its clock ends, and a capture that would end in the future begins a year earlier.
#pragma once

#include <QDateTime>
#include <QString>

// The year for StreamClock: the year its first date would take (the latest not after `now`), or
// the year before when the capture's last clock reading would then lie after `now`. 0 when the
// path is no regular file (a device has no end to read up to) or holds no clock group with a date.
int captureStartYear(const QString& path, const QDateTime& now);
