#include "archive/ui/verlauf_window.h"

#include <QCursor>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "archive/archive_writer.h"
#include "archive/ui/mark_span_dialog.h"
#include "archive/ui/report_tab.h"
#include "archive/ui/verlauf_chart.h"
#include "archive/ui/verlauf_tables.h"
#include "archive/ui/verlauf_texts.h"
#include "base/app_clock.h"
#include "base/notifier.h"
#include "base/ui/dialog_parts.h"

using verlauf::localText;
using verlauf::shown;

namespace {
const QMargins kChartMargins(4, 2, 4, 2);

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return b;
}
}  // namespace

VerlaufWindow::VerlaufWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    closeOnEscape(this);
    setObjectName(QStringLiteral("Verlauf"));
    setWindowTitle(QStringLiteral("Verlauf"));
    range_ = VerlaufRange::endingAt(RangeKind::Day, AppClock::currentDateTime());

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("VerlaufTabs"));
    tabs_->addTab(buildChartPage(), QStringLiteral("Diagramme"));
    records_ = new RecordsTable(tabs_);
    tabs_->addTab(records_, QStringLiteral("Rekorde"));
    days_ = new DaysTable(tabs_);
    tabs_->addTab(days_, QStringLiteral("Tageswerte"));
    auto* reports = new ReportTab([this] { return ReportSource{path_, range_}; }, tabs_);
    tabs_->addTab(reports, QStringLiteral("Berichte"));
    connect(this, &VerlaufWindow::rangeShown, reports, &ReportTab::refresh);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (tablesStale_)
            fillTables(false);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildRangeRow());
    layout->addWidget(tabs_, 1);

    // No larger than the screen's free area (the frame and title bar left over).
    const QRect free = screen()->availableGeometry();
    resize(std::min(1100, free.width() - 16), std::min(900, free.height() - 48));
}

VerlaufWindow::~VerlaufWindow() = default;

QWidget* VerlaufWindow::buildRangeRow() {
    auto* rows = new QWidget(this);
    auto* rowsLayout = new QVBoxLayout(rows);
    rowsLayout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    rowsLayout->addLayout(top);

    auto* back = button(QString::fromUtf8("◀ Zurück"), QStringLiteral("Zurueck"), rows);
    back->setAccessibleName(QString::fromUtf8("Zurück"));
    top->addWidget(back);
    const std::array<std::pair<const char*, RangeKind>, 4> kinds = {{{"24 Stunden", RangeKind::Day},
                                                                     {"7 Tage", RangeKind::Week},
                                                                     {"30 Tage", RangeKind::Month},
                                                                     {"Jahr", RangeKind::Year}}};
    for (const auto& [text, kind] : kinds) {
        auto* b = button(QString::fromUtf8(text), QString::fromUtf8(text), rows);
        const RangeKind k = kind;
        connect(b, &QPushButton::clicked, this, [this, k] {
            customRow_->hide();
            showRange(VerlaufRange::endingAt(k, AppClock::currentDateTime()));
        });
        top->addWidget(b);
    }
    auto* custom = button(QStringLiteral("Zeitraum..."), QStringLiteral("Zeitraum"), rows);
    top->addWidget(custom);
    forward_ = button(QString::fromUtf8("Vor ▶"), QStringLiteral("Vor"), rows);
    forward_->setAccessibleName(QStringLiteral("Vor"));
    top->addWidget(forward_);
    top->addStretch(1);

    // The second row: the dates of "Zeitraum..." while it is open, and the range shown.
    auto* second = new QHBoxLayout;
    rowsLayout->addLayout(second);
    customRow_ = new QWidget(rows);
    auto* customLayout = new QHBoxLayout(customRow_);
    customLayout->setContentsMargins(0, 0, 0, 0);
    auto* fromLabel = new QLabel(QStringLiteral("&Von:"), customRow_);
    fromEdit_ = new QDateEdit(customRow_);
    auto* toLabel = new QLabel(QStringLiteral("&Bis:"), customRow_);
    toEdit_ = new QDateEdit(customRow_);
    for (QDateEdit* edit : {fromEdit_, toEdit_}) {
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        edit->setCalendarPopup(true);
        edit->installEventFilter(this);  // Enter shows the range
    }
    fromEdit_->setObjectName(QStringLiteral("Von"));
    toEdit_->setObjectName(QStringLiteral("Bis"));
    fromEdit_->setAccessibleName(QStringLiteral("Von"));
    toEdit_->setAccessibleName(QStringLiteral("Bis"));
    fromLabel->setBuddy(fromEdit_);
    toLabel->setBuddy(toEdit_);
    showCustom_ = button(QStringLiteral("Anzeigen"), QStringLiteral("Anzeigen"), customRow_);
    customLayout->addWidget(fromLabel);
    customLayout->addWidget(fromEdit_);
    customLayout->addWidget(toLabel);
    customLayout->addWidget(toEdit_);
    customLayout->addWidget(showCustom_);
    customRow_->hide();
    second->addWidget(customRow_);
    rangeLabel_ = new QLabel(rows);
    rangeLabel_->setObjectName(QStringLiteral("Zeitraumtext"));
    second->addWidget(rangeLabel_, 1);
    // On the second row, so that the first fits a small screen at 200 %.
    auto* exportButton =
        button(QStringLiteral("Exportieren..."), QStringLiteral("Exportieren"), rows);
    second->addWidget(exportButton);
    auto* markButton = button(QString::fromUtf8("Ungültig markieren..."),
                              QStringLiteral("UngueltigMarkieren"), rows);
    second->addWidget(markButton);
    connect(markButton, &QPushButton::clicked, this, [this] {
        if (MarkSpanDialog::ask(this, path_, range_.from, range_.to))
            reload();
    });

    connect(custom, &QPushButton::clicked, this, [this] {
        fromEdit_->setDate(QDateTime::fromSecsSinceEpoch(range_.from).date());
        toEdit_->setDate(QDateTime::fromSecsSinceEpoch(range_.to - 1).date());
        customRow_->show();
        fromEdit_->setFocus();
    });
    connect(showCustom_, &QPushButton::clicked, this, &VerlaufWindow::applyCustomRange);
    connect(back, &QPushButton::clicked, this,
            [this] { showRange(range_.shifted(-1, AppClock::currentDateTime())); });
    connect(forward_, &QPushButton::clicked, this,
            [this] { showRange(range_.shifted(+1, AppClock::currentDateTime())); });
    connect(exportButton, &QPushButton::clicked, this, &VerlaufWindow::chooseExport);
    return rows;
}

QWidget* VerlaufWindow::buildChartPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Diagramme"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    // The charts keep a height their labels fit in; where the window is lower they scroll.
    chartArea_ = new QWidget;
    chartArea_->setObjectName(QStringLiteral("DiagrammFlaeche"));
    auto* chartLayout = new QVBoxLayout(chartArea_);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->setSpacing(0);
    int number = 0;
    for (const ChartPlan& plan : verlaufPlans()) {
        auto* chart = new VerlaufChart(plan, chartArea_);
        chart->setObjectName(QStringLiteral("Diagramm%1").arg(++number));
        chart->setMinimumHeight(chart->leastHeight());
        chart->viewport()->installEventFilter(this);
        charts_.push_back(chart);
        chartLayout->addWidget(chart, 1);
    }
    scroll_ = new QScrollArea(page);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(chartArea_);
    pageLayout->addWidget(scroll_, 1);
    valueLine_ = new QLabel(page);
    valueLine_->setObjectName(QStringLiteral("Messwerte"));
    valueLine_->setWordWrap(true);
    pageLayout->addWidget(valueLine_);
    return page;
}

QChartView* VerlaufWindow::chartView(int index) const {
    return charts_[std::size_t(index)];
}

void VerlaufWindow::addPage(QWidget* page, const QString& title) {
    tabs_->addTab(page, title);
}

void VerlaufWindow::setArchive(const QString& path) {
    path_ = path;
    reader_.reset();
    reload();
}

void VerlaufWindow::follow(ArchiveWriter* writer) {
    if (writer)
        connect(writer, &ArchiveWriter::written, this, &VerlaufWindow::minuteWritten);
}

void VerlaufWindow::minuteWritten(qint64 lastMinute) {
    if (range_.kind == RangeKind::Custom || !isVisible() || !reader_)
        return;
    if (!range_.followsNow(QDateTime::fromSecsSinceEpoch(lastMinute)))
        return;
    const VerlaufRange next = VerlaufRange::endingAt(range_.kind, AppClock::currentDateTime());
    if (!series_.advance(*reader_, next))
        series_.load(*reader_, next, plannedQuantities(), pointBudget());
    range_ = next;
    showRangeText();
    drawCharts();
    placeCrosshair();
    fillTables(false);
    emit rangeShown(range_);
}

void VerlaufWindow::showRange(const VerlaufRange& range) {
    range_ = range;
    reload();
}

void VerlaufWindow::applyCustomRange() {
    // A date typed in counts even while its field still has the focus.
    fromEdit_->interpretText();
    toEdit_->interpretText();
    const QDate first = fromEdit_->date(), last = toEdit_->date();
    if (const std::optional<QString> problem = VerlaufRange::daysProblem(first, last)) {
        notify(QStringLiteral("Verlauf"), *problem);
        toEdit_->setFocus();
        return;
    }
    showRange(VerlaufRange::days(first, last));
}

void VerlaufWindow::reload() {
    if (!reader_ && !path_.isEmpty())
        reader_ = std::make_unique<ArchiveReader>(path_);
    // A new range: the crosshair and its values belong to the old one.
    crosshair_.reset();
    valueLine_->clear();
    showRangeText();
    series_ = VerlaufSeries();
    series_.range = range_;
    if (reader_)
        series_.load(*reader_, range_, plannedQuantities(), pointBudget());
    drawCharts();
    fillTables(true);
    emit rangeShown(range_);
}

void VerlaufWindow::showRangeText() {
    rangeLabel_->setText(QStringLiteral("%1 bis %2")
                             .arg(localText(range_.from, "dd.MM.yyyy HH:mm"),
                                  localText(range_.to, "dd.MM.yyyy HH:mm")));
    forward_->setEnabled(!range_.endsAtNow(AppClock::currentDateTime()));
}

int VerlaufWindow::pointBudget() const {
    // About one point per pixel of the plot.
    return std::max(200, charts_.front()->width());
}

void VerlaufWindow::drawCharts() {
    // As many time labels as fit side by side with room between them.
    const QFontMetrics metrics(
        charts_.front()->chart()->axes(Qt::Horizontal).first()->labelsFont());
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("00.00.00")) * 3 / 2;
    const double plotWidth = std::max(100.0, charts_.front()->chart()->plotArea().width());
    const auto ticks =
        timeTicks(range_.from, range_.to, std::max(2, int(plotWidth / std::max(1, labelWidth))));
    for (VerlaufChart* chart : charts_)
        chart->draw(series_, ticks);
    alignCharts();
}

void VerlaufWindow::redrawLater() {
    if (redrawDue_)
        return;
    redrawDue_ = true;
    QTimer::singleShot(0, this, [this] {
        redrawDue_ = false;
        if (reader_ && reductionBucket(range_.length(), pointBudget()) != series_.bucket)
            series_.load(*reader_, range_, plannedQuantities(), pointBudget());
        drawCharts();
        placeCrosshair();
    });
}

void VerlaufWindow::alignCharts() {
    // Each chart lays out its own labels and legend; widening the margins of all but the widest
    // labels gives one common left and right edge, so the five time axes are one. Once the charts
    // have laid themselves out (in the next turn of the event loop), each chart's plot edges
    // without its widening are worked out from its present edges and margins, and only a margin
    // that has to change is set: a followed minute whose labels keep their widths lays out and
    // paints the charts once, not twice.
    QTimer::singleShot(0, this, [this] {
        double left = 0, right = 1e9;
        std::vector<std::pair<double, double>> plain;
        for (VerlaufChart* view : charts_) {
            const QRectF area = view->chart()->plotArea();
            const QMargins now = view->chart()->margins();
            plain.emplace_back(area.left() - (now.left() - kChartMargins.left()),
                               area.right() + (now.right() - kChartMargins.right()));
            left = std::max(left, plain.back().first);
            right = std::min(right, plain.back().second);
        }
        if (right <= left)
            return;
        for (std::size_t i = 0; i < charts_.size(); ++i) {
            QMargins margins = kChartMargins;
            margins.setLeft(margins.left() + int(std::lround(left - plain[i].first)));
            margins.setRight(margins.right() + int(std::lround(plain[i].second - right)));
            if (charts_[i]->chart()->margins() != margins)
                charts_[i]->chart()->setMargins(margins);
        }
    });
}

void VerlaufWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    redrawLater();
}

void VerlaufWindow::fillTables(bool all) {
    // While the range follows now, a table is filled when it is seen.
    QWidget* current = tabs_->currentWidget();
    tablesStale_ = false;
    if (all || current == records_)
        records_->fill(reader_.get(), AppClock::currentDateTime());
    else
        tablesStale_ = true;
    if (all || current == days_)
        days_->fill(reader_.get(), range_);
    else
        tablesStale_ = true;
}

QString VerlaufWindow::crosshairAt(std::int64_t seconds) {
    if (!reader_)
        return {};
    const std::int64_t minute = seconds - ((seconds % 60) + 60) % 60;
    // Where the series are reduced, the row nearest before the mouse within one bucket.
    const std::int64_t reach = series_.bucket > 60 ? series_.bucket : 0;
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
        for (VerlaufChart* chart : charts_)
            if (chart->viewport() == watched)
                moveCrosshair(chart, static_cast<QMouseEvent*>(event)->position());
    } else if (event->type() == QEvent::KeyPress && (watched == fromEdit_ || watched == toEdit_)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            applyCustomRange();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void VerlaufWindow::moveCrosshair(QChartView* view, const QPointF& position) {
    const QRectF area = view->chart()->plotArea();
    const QPointF at = view->chart()->mapFromScene(view->mapToScene(position.toPoint()));
    if (!area.contains(at) || range_.length() <= 0)
        return;
    const double share = (at.x() - area.left()) / area.width();
    crosshair_ = range_.from + std::int64_t(share * double(range_.length()));
    placeCrosshair();
    valueLine_->setText(crosshairAt(*crosshair_));
}

void VerlaufWindow::placeCrosshair() {
    std::optional<double> share;
    if (crosshair_ && *crosshair_ >= range_.from && *crosshair_ < range_.to)
        share = double(*crosshair_ - range_.from) / double(range_.length());
    for (VerlaufChart* chart : charts_)
        chart->setCrosshair(share);
    if (!share)
        valueLine_->clear();
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

QImage VerlaufWindow::chartsPicture() {
    // The charts without the crosshair, at their full height even where they scroll.
    for (VerlaufChart* chart : charts_)
        chart->setCrosshair(std::nullopt);
    const QPixmap charts = chartArea_->grab();
    placeCrosshair();
    const QString title = QStringLiteral("Verlauf %1 bis %2")
                              .arg(localText(range_.from, "dd.MM.yyyy HH:mm"),
                                   localText(range_.to, "dd.MM.yyyy HH:mm"));
    QFont font = this->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    const int titleHeight = QFontMetrics(font).height() * 2;
    const qreal ratio = charts.devicePixelRatio();
    QImage picture(QSize(charts.width(), charts.height() + int(titleHeight * ratio)),
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QSizeF logical = charts.deviceIndependentSize();
    painter.drawText(QRectF(0, 0, logical.width(), titleHeight), Qt::AlignCenter, title);
    painter.drawPixmap(QPointF(0, titleHeight), charts);
    return picture;
}

bool VerlaufWindow::exportPngTo(const QString& path) {
    if (chartsPicture().save(path, "PNG"))
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
    const QString suffix = picture ? QStringLiteral("png") : QStringLiteral("csv");
    static QString folder = QDir::homePath();
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Exportieren"), QDir(folder).filePath(range_.fileName(suffix)),
        picture ? QStringLiteral("PNG-Bild (*.png)") : QStringLiteral("CSV-Datei (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    folder = QFileInfo(path).absolutePath();
    if (picture)
        exportPngTo(path);
    else
        exportCsvTo(path, chosen == days ? CsvRows::Days : CsvRows::Minutes);
}
