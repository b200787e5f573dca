// One chart of the "Verlauf" window, drawn after its plan: lines of quantities on a value axis,
// the gusts' directions as dots on an axis of their own, or the rain as bars per hour or day. Its
// series are made once and only their points replaced; the time axis is a category axis whose
// ticks lie on whole hours, midnights or the starts of months.
#pragma once

#include <QColor>
#include <QtCharts/QChartView>
#include <optional>
#include <vector>

#include "archive/verlauf_series.h"
#include "archive/verlauf_ticks.h"

class QAreaSeries;
class QCategoryAxis;
class QGraphicsLineItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

struct ChartLine {
    Quantity quantity;
    const char* name;
    QColor color;
    double scale;  // stored units to shown ones
};

struct ChartPlan {
    const char* title;
    std::vector<ChartLine> lines;
    std::optional<Quantity> directionDots;  // drawn against 0 to 360° on the right
    bool rainBars = false;
};

// The window's five charts, top to bottom.
const std::vector<ChartPlan>& verlaufPlans();
// Every quantity the plans draw.
std::vector<Quantity> plannedQuantities();

class VerlaufChart : public QChartView {
    Q_OBJECT
public:
    VerlaufChart(const ChartPlan& plan, QWidget* parent = nullptr);

    // Shows `series` between its range's ends with these ticks on the time axis.
    void draw(const VerlaufSeries& series, const std::vector<TimeTick>& ticks);
    // The crosshair at this share of the plot's width, or none.
    void setCrosshair(std::optional<double> share);
    bool crosshairShown() const;
    // The height below which labels or the direction axis' title would be shortened to "…".
    int leastHeight() const;

private:
    struct LineSeries {
        const ChartLine* line;
        std::vector<QLineSeries*> stretches;  // one series per stretch without a gap
    };
    QLineSeries* addStretch(const ChartLine& line, bool named);
    // Each returns whether a label changed, so that the axes' room has to be laid out again.
    bool drawTicks(const VerlaufRange& range, const std::vector<TimeTick>& ticks);
    int labelRows(const QValueAxis* axis) const;
    bool fitValueAxis(double low, double high);
    void fitValueRange(double low, double high);
    bool fitDirections();

    const ChartPlan& plan_;
    QCategoryAxis* time_ = nullptr;
    QValueAxis* values_ = nullptr;
    QValueAxis* directions_ = nullptr;
    std::vector<TimeTick> shownTicks_;  // the time axis' labels as last drawn
    double ticksStart_ = 0;             // and the start of their first category
    std::vector<LineSeries> lines_;
    QScatterSeries* dots_ = nullptr;
    QLineSeries* barOutline_ = nullptr;
    QAreaSeries* bars_ = nullptr;
    QGraphicsLineItem* crosshair_ = nullptr;
};
