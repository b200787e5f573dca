// The main window's designed contents: every value group box with its labels and their captions
// before the first refresh, the five bar gauges with their ranges and scale texts, and the fixed
// name tables of the display. The window is built from these tables; the refresh names the same
// objects.
#pragma once

#include <QString>
#include <vector>

struct LabelDesign {
    QString name;         // objectName, e.g. "Label22"
    QString caption;      // text shown before the first refresh
    bool hidden = false;  // kept up to date but not shown (read by the alarm overview)
    // The time of the value before it ("ZeitHi" after "Hi", "seit" after "Total"): may stand
    // beside that value when the box is too short for one label per line.
    bool besidePrevious = false;
};

struct GaugeDesign {
    QString panelName;  // e.g. "PanAussenTemp"
    QString barName;    // e.g. "ProgressBar3"
    int minimum = 0;
    int maximum = 100;
    int initial = 0;
    QString top, middle, bottom;  // scale label texts
};

enum class Column { Left, Middle, Right };
enum class Slot { Top, Middle, Bottom, Foot };  // Foot: the wind box below the right inner panel

struct GroupBoxDesign {
    int number = 0;  // n of GroupBox<n> and of the settings keys Group<n>...
    QString caption;
    Column column = Column::Left;
    Slot slot = Slot::Top;
    int designHeight = 0;  // 0 for the box that fills its column
    std::vector<LabelDesign> labels;
    bool hasGauge = false;
    GaugeDesign gauge;

    QString name() const { return QStringLiteral("GroupBox%1").arg(number); }
};

// The ten value boxes in the order of their numbers 2 ... 11.
const std::vector<GroupBoxDesign>& groupBoxDesigns();
// The box with that number (2 ... 11), or nullptr.
const GroupBoxDesign* groupBoxDesign(int number);
// The box number of a component name "GroupBox2" ... "GroupBox11", or 0 for any other name.
int groupBoxNumber(const QString& componentName);

// Top band labels with their design texts.
inline const QString kStationTimeLabel = QStringLiteral("Label1");
inline const QString kStationDateLabel = QStringLiteral("Label2");
inline const QString kClockAlarmLabel = QStringLiteral("Label6");
inline const QString kPowerLabel = QStringLiteral("Label80");
inline const QString kDisplayModeLabel = QStringLiteral("Label83");
std::vector<LabelDesign> topBandLabels();

// Fixed texts of the display.
inline const QString kAlarmNotSet = QStringLiteral("Alarm: n/a");
inline const QString kOutOfRange = QStringLiteral("Out of Range!");

// Barometer trend and forecast words by code; codes without a word (and codes beyond the tables)
// give an empty text.
QString trendName(int code);
QString forecastName(int code);
// Console display mode by Console.DisplaySection (0 ... 7); other values give an empty text.
QString displayModeName(int section);

// Number of pictures in the trend and forecast image lists; a code outside them shows no picture.
inline constexpr int kTrendPictures = 5;
inline constexpr int kForecastPictures = 9;
