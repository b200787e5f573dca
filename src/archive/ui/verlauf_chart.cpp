#include "archive/ui/verlauf_chart.h"

#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace {
const QMargins kChartMargins(4, 2, 4, 2);
// Ticks on a value axis when there is room, and the room a label needs beyond its line.
constexpr int kDefaultTicks = 5;
constexpr double kLabelRoom = 12;

double ms(std::int64_t seconds) {
    return double(seconds) * 1000;
}
// A moment given as local clock time counted like UTC seconds, back to real UTC seconds.
std::int64_t fromLocalSeconds(std::int64_t local) {
    const QDateTime t = QDateTime::fromSecsSinceEpoch(local, Qt::UTC);
    return QDateTime(t.date(), t.time()).toSecsSinceEpoch();
}
}  // namespace

const std::vector<ChartPlan>& verlaufPlans() {
    static const std::vector<ChartPlan> plans = {
        {"Temperatur °C",
         {{Quantity::OutdoorTemp, "außen", QColor(200, 40, 40), 0.1},
          {Quantity::IndoorTemp, "innen", QColor(230, 140, 30), 0.1},
          {Quantity::OutdoorDew, "Taupunkt außen", QColor(40, 90, 200), 1},
          {Quantity::IndoorDew, "Taupunkt innen", QColor(90, 170, 220), 1}},
         std::nullopt},
        {"Feuchte %",
         {{Quantity::OutdoorHum, "außen", QColor(30, 120, 60), 1},
          {Quantity::IndoorHum, "innen", QColor(120, 190, 90), 1}},
         std::nullopt},
        {"Luftdruck mb",
         {{Quantity::PressureSea, "Meereshöhe", QColor(110, 60, 160), 0.1}},
         std::nullopt},
        {"Wind m/s",
         {{Quantity::AvgSpeed, "Mittel", QColor(40, 110, 170), 0.1},
          {Quantity::MinuteGust, "Böen", QColor(210, 90, 40), 0.1}},
         Quantity::MinuteGustDir},
        {"Regen mm", {}, std::nullopt, true},
    };
    return plans;
}

std::vector<Quantity> plannedQuantities() {
    std::vector<Quantity> quantities;
    for (const ChartPlan& plan : verlaufPlans()) {
        for (const ChartLine& line : plan.lines)
            quantities.push_back(line.quantity);
        if (plan.directionDots)
            quantities.push_back(*plan.directionDots);
    }
    return quantities;
}

VerlaufChart::VerlaufChart(const ChartPlan& plan, QWidget* parent)
    : QChartView(parent), plan_(plan) {
    const QString title = QString::fromUtf8(plan.title);
    setAccessibleName(QStringLiteral("Diagramm ") + title);
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);

    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setLocalizeNumbers(true);  // decimal commas on the axes
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(german);
    chart->setMargins(kChartMargins);
    setChart(chart);

    time_ = new QCategoryAxis(chart);
    time_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    time_->setRange(0, 1);
    chart->addAxis(time_, Qt::AlignBottom);
    values_ = new QValueAxis(chart);
    values_->setRange(0, 1);
    chart->addAxis(values_, Qt::AlignLeft);

    for (const ChartLine& line : plan.lines)
        lines_.push_back({&line, {}});
    if (plan.directionDots) {
        directions_ = new QValueAxis(chart);
        directions_->setRange(0, 360);
        directions_->setTickCount(kDefaultTicks);
        directions_->setLabelFormat(QStringLiteral("%.0f"));
        directions_->setTitleText(QString::fromUtf8("Richtung °"));
        chart->addAxis(directions_, Qt::AlignRight);
        dots_ = new QScatterSeries;
        dots_->setName(QStringLiteral("Richtung"));
        dots_->setMarkerSize(3);
        dots_->setColor(QColor(90, 90, 90));
        dots_->setBorderColor(Qt::transparent);
        chart->addSeries(dots_);
        dots_->attachAxis(time_);
        dots_->attachAxis(directions_);
    }
    if (plan.rainBars) {
        barOutline_ = new QLineSeries;
        bars_ = new QAreaSeries(barOutline_);
        barOutline_->setParent(bars_);  // the area series does not own its line
        bars_->setName(QStringLiteral("Regen je Stunde"));
        bars_->setColor(QColor(50, 110, 200));
        bars_->setBorderColor(QColor(30, 70, 150));
        chart->addSeries(bars_);
        bars_->attachAxis(time_);
        bars_->attachAxis(values_);
    }

    crosshair_ = new QGraphicsLineItem(chart);
    crosshair_->setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
    crosshair_->setZValue(100);
    crosshair_->hide();
}

QLineSeries* VerlaufChart::addStretch(const ChartLine& line, bool named) {
    auto* series = new QLineSeries;
    series->setName(QString::fromUtf8(line.name));
    series->setPen(QPen(line.color, 1.5));
    chart()->addSeries(series);
    series->attachAxis(time_);
    series->attachAxis(values_);
    if (!named)
        chart()->legend()->markers(series).first()->setVisible(false);
    return series;
}

bool VerlaufChart::drawTicks(const VerlaufRange& range, const std::vector<TimeTick>& ticks) {
    // A range moved on by a followed minute mostly keeps its labels; they are then left as they
    // are, since each label set anew is laid out again. The first category may then start before
    // the range: its line outside the plot is not drawn.
    if (!ticks.empty() && ticks == shownTicks_ && ms(range.from) >= ticksStart_) {
        time_->setRange(ms(range.from), ms(range.to));
        return false;
    }
    time_->setRange(ms(range.from), ms(range.to));
    for (const QString& label : time_->categoriesLabels())
        time_->remove(label);
    time_->setStartValue(ms(range.from));
    QStringList used;
    for (const TimeTick& tick : ticks) {
        // The axis knows its categories by label: a label seen before gets an invisible twin.
        QString label = tick.label;
        while (used.contains(label))
            label += QChar(0x200B);
        used << label;
        time_->append(label, ms(tick.at));
    }
    shownTicks_ = ticks;
    ticksStart_ = ms(range.from);
    return true;
}

int VerlaufChart::labelRows(const QValueAxis* axis) const {
    // A label needs its line, the text's margins and the axis' padding above and below it, or it
    // is shortened to "…"; the plot's height allows as many labels as it has such rows.
    const double row = QFontMetricsF(axis->labelsFont()).height() + kLabelRoom;
    const double height = chart()->plotArea().height();
    return height > 0 ? std::max(2, int(height / row)) : kDefaultTicks;
}

bool VerlaufChart::fitValueAxis(double low, double high) {
    const double oldLow = values_->min(), oldHigh = values_->max();
    const int oldTicks = values_->tickCount();
    fitValueRange(low, high);
    return values_->min() != oldLow || values_->max() != oldHigh ||
           values_->tickCount() != oldTicks;
}

void VerlaufChart::fitValueRange(double low, double high) {
    // Round ends and a round step with no more ticks than the height has rows. The tick count is
    // set every time: the axis is kept from range to range and would keep the last one.
    const int most = std::min(kDefaultTicks, labelRows(values_));
    const double base = std::pow(10.0, std::floor(std::log10((high - low) / (most - 1))));
    for (const double step : {base, 2 * base, 5 * base, 10 * base, 20 * base, 50 * base}) {
        const double from = std::floor(low / step + 1e-9) * step;
        const double to = std::ceil(high / step - 1e-9) * step;
        const int ticks = int(std::lround((to - from) / step)) + 1;
        if (ticks <= most) {
            values_->setTickCount(ticks);
            values_->setRange(from, to);
            return;
        }
    }
    values_->setTickCount(2);  // too low for round steps: the plain ends
    values_->setRange(low, high);
}

bool VerlaufChart::fitDirections() {
    if (!directions_)
        return false;
    const int ticks = labelRows(directions_) >= 5 ? 5 : 3;  // every 90° or 180°
    if (directions_->tickCount() == ticks)
        return false;
    directions_->setTickCount(ticks);
    return true;
}

void VerlaufChart::draw(const VerlaufSeries& series, const std::vector<TimeTick>& ticks) {
    const VerlaufRange& range = series.range;
    // The axes first, so that the new points are laid out once against their final ranges.
    double low = 1e9, high = -1e9;
    for (const ChartLine& line : plan_.lines)
        for (const SeriesPoint& p : series[line.quantity]) {
            low = std::min(low, p.value * line.scale);
            high = std::max(high, p.value * line.scale);
        }
    QList<QPointF> outline;
    bool relabelled = false;
    if (plan_.rainBars) {
        const int bucket = series.rainBucket;
        for (const auto& [localStart, mm] : series.rain) {
            if (mm <= 0)
                continue;
            const double start = ms(fromLocalSeconds(localStart));
            const double end = start + bucket * 1000.0 * 0.9;
            outline << QPointF(start, 0) << QPointF(start, mm) << QPointF(end, mm)
                    << QPointF(end, 0);
            high = std::max(high, double(mm));
        }
        low = 0;
        high = std::max(high, 1.0);
        const QString name =
            bucket == 3600 ? QStringLiteral("Regen je Stunde") : QStringLiteral("Regen je Tag");
        if (bars_->name() != name) {
            bars_->setName(name);
            relabelled = true;
        }
    }
    if (low > high) {
        low = 0;
        high = 1;
    }
    if (high - low < 1) {
        low -= 0.5;
        high += 0.5;
    }
    relabelled |= drawTicks(range, ticks);
    relabelled |= fitValueAxis(low, high);
    relabelled |= fitDirections();
    // New labels have new widths: the axes' room is laid out again (points only replaced do not
    // ask for it, and labels too wide for the old room would end in "…"). A followed minute that
    // keeps every label is not laid out again.
    if (relabelled)
        chart()->layout()->invalidate();

    for (LineSeries& line : lines_) {
        const std::vector<SeriesPoint>& points = series[line.line->quantity];
        const std::vector<Stretch> stretches = splitAtGaps(points, series.gap());
        while (line.stretches.size() < stretches.size())
            line.stretches.push_back(addStretch(*line.line, line.stretches.empty()));
        for (std::size_t s = 0; s < line.stretches.size(); ++s) {
            QList<QPointF> shown;
            if (s < stretches.size()) {
                shown.reserve(qsizetype(stretches[s].end - stretches[s].begin));
                for (std::size_t i = stretches[s].begin; i < stretches[s].end; ++i)
                    shown.append(QPointF(ms(points[i].minute), points[i].value * line.line->scale));
            }
            if (!shown.isEmpty() || line.stretches[s]->count() > 0)
                line.stretches[s]->replace(shown);
        }
    }
    if (dots_) {
        QList<QPointF> shown;
        for (const SeriesPoint& p : series[*plan_.directionDots])
            shown.append(QPointF(ms(p.minute), p.value));
        dots_->replace(shown);
    }
    if (barOutline_)
        barOutline_->replace(outline);
    if (crosshair_->isVisible())
        crosshair_->hide();
}

void VerlaufChart::setCrosshair(std::optional<double> share) {
    if (!share) {
        crosshair_->hide();
        return;
    }
    const QRectF plot = chart()->plotArea();
    const double x = plot.left() + *share * plot.width();
    crosshair_->setLine(x, plot.top(), x, plot.bottom());
    crosshair_->show();
}

bool VerlaufChart::crosshairShown() const {
    return crosshair_->isVisible();
}

int VerlaufChart::leastHeight() const {
    // Beside the plot a chart holds its title, the time labels and margins, about five lines; the
    // plot itself needs room for a few value labels and, standing upright, the direction title.
    const int line = fontMetrics().height();
    int least = line * 9;
    if (directions_)
        least = std::max(
            least,
            line * 6 +
                QFontMetrics(directions_->titleFont()).horizontalAdvance(directions_->titleText()));
    return least;
}
