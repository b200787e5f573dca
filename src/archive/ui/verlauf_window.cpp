#include "archive/ui/verlauf_window.h"

#include <QCursor>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsLineItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <cmath>

#include "archive/archive_writer.h"
#include "archive/ui/mark_span_dialog.h"
#include "archive/ui/report_tab.h"
#include "base/app_clock.h"
#include "base/formats.h"
#include "base/notifier.h"
#include "base/system_reason.h"
#include "base/ui/dialog_parts.h"

namespace {
// Points per series: enough for a wide screen, so a year draws as quickly as a day.
constexpr int kPoints = 2000;
const QMargins kChartMargins(4, 2, 4, 2);

struct Line {
    Quantity quantity;
    const char* name;
    QColor color;
    double scale;  // stored units to shown ones
};

struct ChartPlan {
    const char* title;
    std::vector<Line> lines;
};

const std::array<ChartPlan, VerlaufWindow::kChartCount>& plans() {
    static const std::array<ChartPlan, VerlaufWindow::kChartCount> p = {{
        {"Temperatur °C",
         {{Quantity::OutdoorTemp, "außen", QColor(200, 40, 40), 0.1},
          {Quantity::IndoorTemp, "innen", QColor(230, 140, 30), 0.1},
          {Quantity::OutdoorDew, "Taupunkt außen", QColor(40, 90, 200), 1},
          {Quantity::IndoorDew, "Taupunkt innen", QColor(90, 170, 220), 1}}},
        {"Feuchte %",
         {{Quantity::OutdoorHum, "außen", QColor(30, 120, 60), 1},
          {Quantity::IndoorHum, "innen", QColor(120, 190, 90), 1}}},
        {"Luftdruck mb", {{Quantity::PressureSea, "Meereshöhe", QColor(110, 60, 160), 0.1}}},
        {"Wind m/s",
         {{Quantity::AvgSpeed, "Mittel", QColor(40, 110, 170), 0.1},
          {Quantity::MinuteGust, "Böen", QColor(210, 90, 40), 0.1}}},
        {"Regen mm", {}},
    }};
    return p;
}

QString dash() {
    return QString::fromUtf8("–");
}
QString shown(const std::optional<std::int32_t>& v, int decimals, const char* unit) {
    if (!v)
        return dash();
    return Formats::german().fixed(*v, decimals) + QLatin1Char(' ') + QString::fromUtf8(unit);
}
QString localText(std::int64_t seconds, const char* form) {
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QString::fromLatin1(form));
}
// A moment given as local clock time counted like UTC seconds, back to real UTC seconds.
std::int64_t fromLocalSeconds(std::int64_t local) {
    const QDateTime t = QDateTime::fromSecsSinceEpoch(local, Qt::UTC);
    return QDateTime(t.date(), t.time()).toSecsSinceEpoch();
}

QString timedText(const std::optional<TimedValue>& v, int decimals, const char* unit) {
    if (!v)
        return dash();
    return shown(v->value, decimals, unit) + QStringLiteral("\n") +
           localText(v->minute, "dd.MM.yyyy HH:mm");
}

QPushButton* button(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return b;
}
}  // namespace

VerlaufWindow::VerlaufWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    closeOnEscape(this);
    setObjectName(QStringLiteral("Verlauf"));
    setWindowTitle(QStringLiteral("Verlauf"));
    resize(1100, 900);

    auto* top = new QHBoxLayout;
    const std::array<std::pair<const char*, RangeKind>, 4> kinds = {{{"24 Stunden", RangeKind::Day},
                                                                     {"7 Tage", RangeKind::Week},
                                                                     {"30 Tage", RangeKind::Month},
                                                                     {"Jahr", RangeKind::Year}}};
    auto* back = button(QString::fromUtf8("◀ Zurück"), this);
    back->setObjectName(QStringLiteral("Zurueck"));
    back->setAccessibleName(QString::fromUtf8("Zurück"));
    top->addWidget(back);
    for (const auto& [text, kind] : kinds) {
        auto* b = button(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromUtf8(text));
        const RangeKind k = kind;
        connect(b, &QPushButton::clicked, this, [this, k] {
            customRow_->hide();
            showRange(VerlaufRange::endingAt(k, AppClock::currentDateTime()));
        });
        top->addWidget(b);
    }
    auto* custom = button(QStringLiteral("Zeitraum..."), this);
    custom->setObjectName(QStringLiteral("Zeitraum"));
    top->addWidget(custom);
    auto* forward = button(QString::fromUtf8("Vor ▶"), this);
    forward->setObjectName(QStringLiteral("Vor"));
    forward->setAccessibleName(QStringLiteral("Vor"));
    top->addWidget(forward);
    rangeLabel_ = new QLabel(this);
    top->addWidget(rangeLabel_, 1);
    auto* exportButton = button(QStringLiteral("Exportieren..."), this);
    exportButton->setObjectName(QStringLiteral("Exportieren"));
    top->addWidget(exportButton);
    auto* markButton = button(QString::fromUtf8("Ungültig markieren..."), this);
    markButton->setObjectName(QStringLiteral("UngueltigMarkieren"));
    top->addWidget(markButton);
    connect(markButton, &QPushButton::clicked, this, [this] {
        if (MarkSpanDialog::ask(this, path_, range_.from, range_.to))
            reload();
    });

    customRow_ = new QWidget(this);
    auto* customLayout = new QHBoxLayout(customRow_);
    customLayout->setContentsMargins(0, 0, 0, 0);
    auto* fromLabel = new QLabel(QStringLiteral("Von:"), customRow_);
    fromEdit_ = new QDateEdit(customRow_);
    auto* toLabel = new QLabel(QStringLiteral("Bis:"), customRow_);
    toEdit_ = new QDateEdit(customRow_);
    for (QDateEdit* edit : {fromEdit_, toEdit_}) {
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        edit->setCalendarPopup(true);
    }
    fromEdit_->setAccessibleName(QStringLiteral("Von"));
    toEdit_->setAccessibleName(QStringLiteral("Bis"));
    fromLabel->setBuddy(fromEdit_);
    toLabel->setBuddy(toEdit_);
    auto* showCustom = button(QStringLiteral("Anzeigen"), customRow_);
    customLayout->addWidget(fromLabel);
    customLayout->addWidget(fromEdit_);
    customLayout->addWidget(toLabel);
    customLayout->addWidget(toEdit_);
    customLayout->addWidget(showCustom);
    customLayout->addStretch(1);
    customRow_->hide();

    connect(custom, &QPushButton::clicked, this, [this] {
        fromEdit_->setDate(QDateTime::fromSecsSinceEpoch(range_.from).date());
        toEdit_->setDate(QDateTime::fromSecsSinceEpoch(range_.to - 1).date());
        customRow_->show();
    });
    connect(showCustom, &QPushButton::clicked, this,
            [this] { showRange(VerlaufRange::days(fromEdit_->date(), toEdit_->date())); });
    connect(back, &QPushButton::clicked, this, [this] { showRange(range_.shifted(-1)); });
    connect(forward, &QPushButton::clicked, this, [this] { showRange(range_.shifted(+1)); });
    connect(exportButton, &QPushButton::clicked, this, &VerlaufWindow::chooseExport);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("VerlaufTabs"));
    auto* chartPage = new QWidget(tabs_);
    chartPage->setObjectName(QStringLiteral("Diagramme"));
    auto* chartLayout = new QVBoxLayout(chartPage);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->setSpacing(0);
    for (int i = 0; i < kChartCount; ++i) {
        auto* view = new QChartView(chartPage);
        view->setObjectName(QStringLiteral("Diagramm%1").arg(i + 1));
        view->setRenderHint(QPainter::Antialiasing);
        view->setMouseTracking(true);
        view->viewport()->setMouseTracking(true);
        view->viewport()->installEventFilter(this);
        views_[std::size_t(i)] = view;
        chartLayout->addWidget(view, 1);
    }
    valueLine_ = new QLabel(chartPage);
    valueLine_->setObjectName(QStringLiteral("Messwerte"));
    valueLine_->setWordWrap(true);
    chartLayout->addWidget(valueLine_);
    tabs_->addTab(chartPage, QStringLiteral("Diagramme"));

    records_ = new QTableWidget(4, 4, tabs_);
    records_->setObjectName(QStringLiteral("Rekorde"));
    records_->setAccessibleName(QStringLiteral("Rekorde"));
    records_->setHorizontalHeaderLabels({QStringLiteral("Heute"), QStringLiteral("Dieser Monat"),
                                         QStringLiteral("Dieses Jahr"), QStringLiteral("Immer")});
    records_->setVerticalHeaderLabels(
        {QString::fromUtf8("Höchste Temperatur"), QStringLiteral("Tiefste Temperatur"),
         QString::fromUtf8("Stärkste Böe"), QStringLiteral("Nassester Tag")});
    records_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    records_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    records_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabs_->addTab(records_, QStringLiteral("Rekorde"));

    days_ = new QTableWidget(0, 13, tabs_);
    days_->setObjectName(QStringLiteral("Tageswerte"));
    days_->setAccessibleName(QStringLiteral("Tageswerte"));
    days_->setHorizontalHeaderLabels(
        QString::fromUtf8(
            "Datum;Höchst °C;um;Tiefst °C;um;Mittel °C;Feuchte %;Luftdruck mb;Wind m/s;Böe m/s;"
            "Richtung °;um;Regen mm")
            .split(QLatin1Char(';')));
    days_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    days_->verticalHeader()->hide();
    tabs_->addTab(days_, QStringLiteral("Tageswerte"));
    auto* reports = new ReportTab([this] { return ReportSource{path_, range_}; }, tabs_);
    tabs_->addTab(reports, QStringLiteral("Berichte"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(customRow_);
    layout->addWidget(tabs_, 1);

    buildCharts();
    range_ = VerlaufRange::endingAt(RangeKind::Day, AppClock::currentDateTime());
}

VerlaufWindow::~VerlaufWindow() = default;

void VerlaufWindow::setArchive(const QString& path) {
    path_ = path;
    reader_.reset();
    reload();
}

void VerlaufWindow::follow(ArchiveWriter* writer) {
    if (!writer)
        return;
    connect(writer, &ArchiveWriter::written, this, [this](qint64 lastMinute) {
        if (range_.kind == RangeKind::Custom || !isVisible())
            return;
        const QDateTime now = AppClock::currentDateTime();
        if (range_.followsNow(QDateTime::fromSecsSinceEpoch(lastMinute)))
            showRange(VerlaufRange::endingAt(range_.kind, now));
    });
}

void VerlaufWindow::showRange(const VerlaufRange& range) {
    range_ = range;
    reload();
}

void VerlaufWindow::buildCharts() {
    for (int i = 0; i < kChartCount; ++i) {
        auto* chart = new QChart;
        chart->setTitle(QString::fromUtf8(plans()[std::size_t(i)].title));
        chart->legend()->setAlignment(Qt::AlignRight);
        chart->setLocalizeNumbers(true);  // decimal commas on the axes
        QLocale german(QLocale::German, QLocale::Germany);
        german.setNumberOptions(QLocale::OmitGroupSeparator);
        chart->setLocale(german);
        chart->setMargins(kChartMargins);
        auto* time = new QDateTimeAxis(chart);
        chart->addAxis(time, Qt::AlignBottom);
        timeAxes_[std::size_t(i)] = time;
        auto* values = new QValueAxis(chart);
        chart->addAxis(values, Qt::AlignLeft);
        views_[std::size_t(i)]->setChart(chart);
        auto* line = new QGraphicsLineItem(chart);
        line->setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
        line->setZValue(100);
        line->hide();
        crosshairs_[std::size_t(i)] = line;
    }
}

void VerlaufWindow::reload() {
    if (!reader_ && !path_.isEmpty())
        reader_ = std::make_unique<ArchiveReader>(path_);
    rangeLabel_->setText(QStringLiteral("%1 bis %2")
                             .arg(localText(range_.from, "dd.MM.yyyy HH:mm"),
                                  localText(range_.to, "dd.MM.yyyy HH:mm")));
    fillCharts();
    alignCharts();
    fillRecords();
    fillDays();
    if (auto* reports = findChild<ReportTab*>())
        reports->refresh();
}

void VerlaufWindow::fillCharts() {
    const qint64 fromMs = range_.from * 1000, toMs = range_.to * 1000;
    const QString timeFormat = range_.length() <= 86400       ? QStringLiteral("HH:mm")
                               : range_.length() <= 7 * 86400 ? QStringLiteral("dd.MM. HH:mm")
                                                              : QStringLiteral("dd.MM.yy");
    // Two buckets without data in a row break the line: a gap stays a gap.
    const std::int64_t gap = std::max<std::int64_t>(180, 2 * range_.length() / (kPoints / 2));
    for (int i = 0; i < kChartCount; ++i) {
        QChart* chart = views_[std::size_t(i)]->chart();
        chart->removeAllSeries();
        for (QAbstractAxis* axis : chart->axes(Qt::Vertical))
            if (axis->alignment() == Qt::AlignRight) {
                chart->removeAxis(axis);
                delete axis;
            }
        QDateTimeAxis* time = timeAxes_[std::size_t(i)];
        time->setRange(QDateTime::fromMSecsSinceEpoch(fromMs),
                       QDateTime::fromMSecsSinceEpoch(toMs));
        time->setFormat(timeFormat);
        time->setTickCount(8);
        auto* values = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
        double low = 1e9, high = -1e9;
        const auto attach = [&](QXYSeries* series, QAbstractAxis* valueAxis) {
            chart->addSeries(series);
            series->attachAxis(time);
            series->attachAxis(valueAxis);
        };
        if (!reader_)
            continue;
        for (const Line& line : plans()[std::size_t(i)].lines) {
            const auto points =
                reader_->reducedSeries(line.quantity, range_.from, range_.to, kPoints);
            // Each unbroken stretch becomes one series, filled before it joins the chart (a point
            // added to a shown series redraws the chart).
            QList<QPointF> stretch;
            bool first = true;
            const auto addStretch = [&] {
                if (stretch.isEmpty())
                    return;
                auto* series = new QLineSeries;
                series->setName(QString::fromUtf8(line.name));
                series->setPen(QPen(line.color, 1.5));
                series->replace(stretch);
                attach(series, values);
                if (!first)
                    chart->legend()->markers(series).first()->setVisible(false);
                first = false;
                stretch.clear();
            };
            std::int64_t last = 0;
            for (const SeriesPoint& p : points) {
                if (!stretch.isEmpty() && p.minute - last > gap)
                    addStretch();
                const double v = p.value * line.scale;
                stretch.append(QPointF(double(p.minute) * 1000, v));
                low = std::min(low, v);
                high = std::max(high, v);
                last = p.minute;
            }
            addStretch();
        }
        if (i == 3) {  // the gusts' directions as dots on an axis of their own
            auto* dirs = new QValueAxis(chart);
            dirs->setRange(0, 360);
            dirs->setTickCount(5);
            dirs->setLabelFormat(QStringLiteral("%.0f"));
            dirs->setTitleText(QString::fromUtf8("Richtung °"));
            chart->addAxis(dirs, Qt::AlignRight);
            auto* dots = new QScatterSeries;
            dots->setName(QStringLiteral("Richtung"));
            dots->setMarkerSize(3);
            dots->setColor(QColor(90, 90, 90));
            dots->setBorderColor(Qt::transparent);
            for (const SeriesPoint& p : reader_->reducedSeries(Quantity::MinuteGustDir, range_.from,
                                                               range_.to, kPoints / 2))
                dots->append(double(p.minute) * 1000, p.value);
            attach(dots, dirs);
        }
        if (i == 4) {  // rain as bars per hour or per day
            const int bucket = range_.rainBucketSeconds();
            auto* upper = new QLineSeries;
            for (const auto& [localStart, mm] :
                 reader_->rainPerBucket(range_.from, range_.to, bucket)) {
                if (mm <= 0)
                    continue;
                const double start = double(fromLocalSeconds(localStart)) * 1000;
                const double end = start + bucket * 1000.0 * 0.9;
                upper->append(start, 0);
                upper->append(start, mm);
                upper->append(end, mm);
                upper->append(end, 0);
                high = std::max(high, double(mm));
            }
            auto* bars = new QAreaSeries(upper);
            upper->setParent(bars);  // the area series does not own its line
            bars->setName(bucket == 3600 ? QStringLiteral("Regen je Stunde")
                                         : QStringLiteral("Regen je Tag"));
            bars->setColor(QColor(50, 110, 200));
            bars->setBorderColor(QColor(30, 70, 150));
            chart->addSeries(bars);
            bars->attachAxis(time);
            bars->attachAxis(values);
            low = 0;
            high = std::max(high, 1.0);
        }
        if (low > high) {
            low = 0;
            high = 1;
        }
        if (high - low < 1) {
            low -= 0.5;
            high += 0.5;
        }
        values->setRange(low, high);
        values->applyNiceNumbers();
    }
}

void VerlaufWindow::alignCharts() {
    // Each chart lays out its own labels and legend; widening the margins of all but the widest
    // labels gives one common left and right edge, so the five time axes are one. First every chart
    // lays itself out with the plain margins (in the next turn of the event loop), then the
    // margins make up the differences.
    for (QChartView* view : views_)
        view->chart()->setMargins(kChartMargins);
    QTimer::singleShot(0, this, [this] {
        double left = 0, right = 1e9;
        for (QChartView* view : views_) {
            left = std::max(left, view->chart()->plotArea().left());
            right = std::min(right, view->chart()->plotArea().right());
        }
        if (right <= left)
            return;
        for (QChartView* view : views_) {
            QChart* chart = view->chart();
            const QRectF area = chart->plotArea();
            QMargins margins = kChartMargins;
            margins.setLeft(margins.left() + int(std::lround(left - area.left())));
            margins.setRight(margins.right() + int(std::lround(area.right() - right)));
            chart->setMargins(margins);
        }
    });
}

void VerlaufWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    alignCharts();
}

void VerlaufWindow::fillRecords() {
    const QDateTime now = AppClock::currentDateTime();
    const QDate today = now.date();
    const std::int64_t end = minuteOf(now) + 60;
    const std::array<std::int64_t, 4> starts = {
        QDateTime(today, QTime(0, 0)).toSecsSinceEpoch(),
        QDateTime(QDate(today.year(), today.month(), 1), QTime(0, 0)).toSecsSinceEpoch(),
        QDateTime(QDate(today.year(), 1, 1), QTime(0, 0)).toSecsSinceEpoch(), 0};
    for (int column = 0; column < 4; ++column) {
        PeriodRecords r;
        if (reader_)
            r = reader_->records(starts[std::size_t(column)],
                                 column == 3 ? (std::int64_t(1) << 40) : end);
        QString gustText = dash();
        if (r.gust) {
            gustText = shown(r.gust->speed.value, 1, "m/s");
            if (r.gust->direction)
                gustText += QStringLiteral(" aus %1°").arg(*r.gust->direction);
            gustText += QStringLiteral("\n") + localText(r.gust->speed.minute, "dd.MM.yyyy HH:mm");
        }
        const QString wettest = r.wettestDay
                                    ? shown(r.wettestDay->rain, 0, "mm") + QStringLiteral("\n") +
                                          r.wettestDay->day.toString(QStringLiteral("dd.MM.yyyy"))
                                    : dash();
        const std::array<QString, 4> texts = {timedText(r.tempHigh, 1, "°C"),
                                              timedText(r.tempLow, 1, "°C"), gustText, wettest};
        for (int row = 0; row < 4; ++row)
            records_->setItem(row, column, new QTableWidgetItem(texts[std::size_t(row)]));
    }
}

void VerlaufWindow::fillDays() {
    days_->setRowCount(0);
    if (!reader_)
        return;
    const auto summaries = reader_->dailySummaries(range_.from, range_.to);
    days_->setRowCount(int(summaries.size()));
    const auto at = [](const std::optional<TimedValue>& v) {
        return v ? localText(v->minute, "HH:mm") : dash();
    };
    const auto mean = [](const std::optional<double>& v, double scale, int decimals) {
        return v ? Formats::german().real(*v * scale, decimals) : dash();
    };
    for (int i = 0; i < int(summaries.size()); ++i) {
        const DaySummary& d = summaries[std::size_t(i)];
        const auto value = [](const std::optional<TimedValue>& v) {
            return v ? std::optional<std::int32_t>(v->value) : std::nullopt;
        };
        std::optional<TimedValue> gust;
        std::optional<std::int32_t> direction;
        if (d.gust) {
            gust = d.gust->speed;
            direction = d.gust->direction;
        }
        const QStringList cells = {d.day.toString(QStringLiteral("dd.MM.yyyy")),
                                   shown(value(d.tempHigh), 1, ""),
                                   at(d.tempHigh),
                                   shown(value(d.tempLow), 1, ""),
                                   at(d.tempLow),
                                   mean(d.tempMean, 0.1, 1),
                                   mean(d.humidityMean, 1, 0),
                                   mean(d.pressureMean, 0.1, 1),
                                   mean(d.windMean, 0.1, 1),
                                   shown(value(gust), 1, ""),
                                   shown(direction, 0, ""),
                                   at(gust),
                                   shown(d.rain, 0, "")};
        for (int c = 0; c < cells.size(); ++c)
            days_->setItem(i, c, new QTableWidgetItem(cells[c].trimmed()));
    }
    days_->resizeColumnsToContents();
}

QString VerlaufWindow::crosshairAt(std::int64_t seconds) {
    if (!reader_)
        return {};
    const std::int64_t minute = seconds - ((seconds % 60) + 60) % 60;
    // Where the series are reduced, the row nearest before the mouse within one bucket.
    const std::int64_t reach = std::max<std::int64_t>(0, range_.length() / (kPoints / 2));
    const std::optional<MinuteRow> row = reader_->minuteAt(minute, reach);
    if (!row)
        return QStringLiteral("%1: keine Daten").arg(localText(minute, "dd.MM.yyyy HH:mm"));
    const MinuteRow& r = *row;
    QString gust = shown(r[Quantity::MinuteGust], 1, "m/s");
    if (r[Quantity::MinuteGust] && r[Quantity::MinuteGustDir])
        gust += QStringLiteral(" aus %1°").arg(*r[Quantity::MinuteGustDir]);
    // The rain of this minute and of its hour; the console's total counts since its last reset.
    const ArchiveReader::RainAround rain = reader_->rainAround(r);
    const QString rainText = QString::fromUtf8("%1 in der Minute, %2 in der Stunde")
                                 .arg(shown(rain.minute, 0, "mm"), shown(rain.hour, 0, "mm"));
    return QString::fromUtf8(
               "%1   Temperatur außen %2, innen %3 · Taupunkt außen %4, innen %5 · Feuchte "
               "außen %6, innen %7 · Luftdruck %8 · Wind %9, Böe %10 · Regen %11, Rate %12")
        .arg(localText(r.minute, "dd.MM.yyyy HH:mm"), shown(r[Quantity::OutdoorTemp], 1, "°C"),
             shown(r[Quantity::IndoorTemp], 1, "°C"), shown(r[Quantity::OutdoorDew], 0, "°C"),
             shown(r[Quantity::IndoorDew], 0, "°C"), shown(r[Quantity::OutdoorHum], 0, "%"),
             shown(r[Quantity::IndoorHum], 0, "%"), shown(r[Quantity::PressureSea], 1, "mb"),
             shown(r[Quantity::AvgSpeed], 1, "m/s"))
        .arg(gust, rainText, shown(r[Quantity::RainRate], 0, "mm/h"));
}

bool VerlaufWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        for (QChartView* view : views_)
            if (view->viewport() == watched)
                moveCrosshair(view, static_cast<QMouseEvent*>(event)->position());
    }
    return QWidget::eventFilter(watched, event);
}

void VerlaufWindow::moveCrosshair(QChartView* view, const QPointF& position) {
    const QRectF area = view->chart()->plotArea();
    const QPointF at = view->chart()->mapFromScene(view->mapToScene(position.toPoint()));
    if (!area.contains(at) || range_.length() <= 0)
        return;
    const double share = (at.x() - area.left()) / area.width();
    const std::int64_t seconds = range_.from + std::int64_t(share * double(range_.length()));
    for (int i = 0; i < kChartCount; ++i) {
        QChart* chart = views_[std::size_t(i)]->chart();
        const QRectF plot = chart->plotArea();
        const double x = plot.left() + share * plot.width();
        crosshairs_[std::size_t(i)]->setLine(x, plot.top(), x, plot.bottom());
        crosshairs_[std::size_t(i)]->show();
    }
    valueLine_->setText(crosshairAt(seconds));
}

bool VerlaufWindow::exportCsvTo(const QString& path, CsvRows rows) {
    QFile file(path);
    bool good = reader_ && file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (good)
        good = exportCsv(*reader_, range_.from, range_.to, rows, [&file](const QByteArray& bytes) {
            return file.write(bytes) == bytes.size();
        });
    if (good)
        good = file.flush();
    if (!good)
        notify(QStringLiteral("Verlauf"),
               QStringLiteral("%1 kann nicht geschrieben werden").arg(path), MessageButtons::Ok,
               path + QStringLiteral(": ") + file.errorString());
    return good;
}

bool VerlaufWindow::exportPngTo(const QString& path) {
    const QPixmap picture = views_[0]->parentWidget()->grab();
    if (picture.save(path, "PNG"))
        return true;
    notify(QStringLiteral("Verlauf"), QStringLiteral("%1 kann nicht geschrieben werden").arg(path));
    return false;
}

void VerlaufWindow::chooseExport() {
    QMenu menu(this);
    menu.addAction(QStringLiteral("Minuten als CSV..."));
    QAction* days = menu.addAction(QStringLiteral("Tageswerte als CSV..."));
    QAction* png = menu.addAction(QStringLiteral("Diagramme als PNG..."));
    QAction* chosen = menu.exec(QCursor::pos());
    if (!chosen)
        return;
    const bool picture = chosen == png;
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Exportieren"), QString(),
        picture ? QStringLiteral("PNG-Bild (*.png)") : QStringLiteral("CSV-Datei (*.csv)"));
    if (path.isEmpty())
        return;
    if (picture)
        exportPngTo(path);
    else
        exportCsvTo(path, chosen == days ? CsvRows::Days : CsvRows::Minutes);
}
