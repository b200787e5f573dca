// FillDisplay: everything the main window shows, computed from the weather record and its
// bookkeeping. The window applies the result by object name and touches only what changed.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/formats.h"
#include "station/weather_record.h"

struct LabelText {
    QString name;  // objectName of the label
    QString text;
};

struct BarPosition {
    QString name;   // objectName of the bar gauge
    int value = 0;  // already within the bar's range
};

// Windows colour numbers of the battery lamp.
inline constexpr std::uint32_t kBatteryLowColour = 0xFF0000;  // blue
inline constexpr std::uint32_t kBatteryOkColour = 0x00FF00;   // lime
// Before the console status (group 0xCF) has arrived: grey, neither good nor low.
inline constexpr std::uint32_t kBatteryUnknownColour = 0x808080;

// What a value shows while its group has not arrived.
inline const QString kNoValue = QStringLiteral("--");

struct DisplayRefresh {
    // In refresh order. A label that is not listed keeps its text (an invalid station date, or a
    // trend / forecast that did not change).
    std::vector<LabelText> labels;
    std::vector<BarPosition> bars;
    // Set when Image1 (trend) / Image2 (forecast) gets a new picture: the index into the picture
    // list, or -1 for an index outside it (no picture).
    std::optional<int> trendPicture;
    std::optional<int> forecastPicture;
    std::uint32_t batteryColour = kBatteryOkColour;  // Shape1's fill, Windows colour number
    // Rows 1 to 5 of the "5x Wind" window: the largest of the k oldest per-minute maxima, m/s.
    std::array<QString, 5> windRows;
    std::uint16_t roseSpeed = 0;  // gust in tenths of m/s for the wind rose
    // The wind group's box was computed: battery lamp, "5x Wind" rows and rose speed are set.
    bool windPart = true;

    // The text given to a label, or empty when the label is not listed.
    std::optional<QString> textOf(const QString& name) const;
    std::optional<int> barOf(const QString& name) const;
};

// The labels' current texts that the refresh reads: the trend and forecast labels compare their
// word with the new one and are rewritten only when it changed.
struct DisplayMemory {
    QString trendLabel = QStringLiteral("Trend");          // Label39
    QString forecastLabel = QStringLiteral("Vorhersage");  // Label40
};

// Computes the whole refresh. `now` is the computer's clock: the station's dates take their years
// from it (station/station_date.h), and its time and date stand in for the station clock until that
// has arrived. A group kind that has not arrived (StationData::GroupArrivedMs) shows "--" in its
// labels and empty time labels; its bars keep their place, and before any group at all the clock
// shows "--" too.
DisplayRefresh FillDisplay(const StationData& data, const DisplayMemory& memory,
                           const Formats& formats, const QDateTime& now);

// The boxes of some groups only (index as in StationData::GroupArrivedMs, 0 = 0x8F ... 4 = 0xCF),
// as after their groups came; the station clock above them always. The labels of the other
// groups are not listed.
using DisplayGroups = std::array<bool, 5>;
DisplayRefresh FillDisplay(const StationData& data, const DisplayMemory& memory,
                           const Formats& formats, const QDateTime& now,
                           const DisplayGroups& groups);
