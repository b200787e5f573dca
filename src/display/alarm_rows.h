// The rows of the alarm overview: the console's alarm settings as the main window's alarm labels
// show them, each row a key and a value.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <utility>

inline constexpr int kAlarmRowCount = 20;
using AlarmRows = std::array<std::pair<QString, QString>, kAlarmRowCount>;

// Row 0 is the heading "Alarm" / "Wert"; the other rows take their value from the main window's
// label of that name. " Max" stands beside each hi alarm and " Min" beside each lo alarm.
AlarmRows alarmRows(const std::function<QString(const QString& labelName)>& labelText);
