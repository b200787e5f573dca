// What the user sees of one upload service: the status bar's and the headless status line's
// short text, and the rows of the "Dienste" window.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

struct UploadState {
    QString name;  // "CWOP"
    bool enabled = false;
    bool sending = false;
    QDateTime lastSuccess;   // invalid: none yet
    QDateTime failingSince;  // invalid: not failing
    QDateTime lastErrorAt;   // invalid: none yet
    QString lastError;
};

// "CWOP: 14:20 ok", "WU: Fehler seit 14:05", "CWOP: noch nicht gesendet"; empty while the
// service is switched off. Times are local, hours and minutes.
QString uploadStatusText(const UploadState& state);

// The state in words for the "Dienste" window: "aus", "sendet ...", "ok", "Fehler seit 14:05",
// "wartet".
QString uploadStateWord(const UploadState& state);

// One row of the "Dienste" window: the service, its state, the time of the last success, the
// time and reason of the last error (empty when there is none).
QStringList uploadStateRow(const UploadState& state);
