// The "Verlauf" window: five stacked charts over one time axis (temperatures with dew points,
// humidities, pressure, wind with gusts and direction, rain as bars per hour or day), the range
// buttons, a crosshair with every value of the minute under the mouse, the records and the daily
// values, and the export of the range as CSV or PNG. It reads the archive on a connection of its
// own and follows new minutes while its range ends now.
#pragma once

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QValueAxis>
#include <array>
#include <memory>

#include "archive/archive_queries.h"
#include "archive/csv_export.h"
#include "archive/verlauf_range.h"

class ArchiveWriter;
class QGraphicsLineItem;

class VerlaufWindow : public QWidget {
    Q_OBJECT
public:
    explicit VerlaufWindow(QWidget* parent = nullptr);
    ~VerlaufWindow() override;

    // The archive to read (opened afresh, e.g. after the settings changed it).
    void setArchive(const QString& path);
    // New minutes of this writer are drawn while the range ends now.
    void follow(ArchiveWriter* writer);

    void showRange(const VerlaufRange& range);
    const VerlaufRange& range() const { return range_; }
    // The values under the crosshair at this moment (UTC seconds); the text of the value line.
    QString crosshairAt(std::int64_t seconds);

    // The export behind "Exportieren...": false with the reason shown when it cannot be written.
    bool exportCsvTo(const QString& path, CsvRows rows);
    bool exportPngTo(const QString& path);

    static constexpr int kChartCount = 5;
    QChartView* chartView(int index) const { return views_[std::size_t(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildCharts();
    void reload();
    void fillCharts();
    void alignCharts();
    void fillRecords();
    void fillDays();
    void moveCrosshair(QChartView* view, const QPointF& position);
    void chooseExport();

    QString path_;
    std::unique_ptr<ArchiveReader> reader_;
    VerlaufRange range_;
    std::array<QChartView*, kChartCount> views_{};
    std::array<QDateTimeAxis*, kChartCount> timeAxes_{};
    std::array<QGraphicsLineItem*, kChartCount> crosshairs_{};
    QTabWidget* tabs_ = nullptr;
    QTableWidget* records_ = nullptr;
    QTableWidget* days_ = nullptr;
    QLabel* rangeLabel_ = nullptr;
    QLabel* valueLine_ = nullptr;
    QDateEdit* fromEdit_ = nullptr;
    QDateEdit* toEdit_ = nullptr;
    QWidget* customRow_ = nullptr;
};
