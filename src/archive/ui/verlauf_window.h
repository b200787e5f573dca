// The "Verlauf" window: five stacked charts over one time axis (temperatures with dew points,
// humidities, pressure, wind with gusts and direction, rain as bars per hour or day), the range
// buttons, a crosshair with every value of the minute under the mouse, the records and the daily
// values, and the export of the range as CSV or PNG. It reads the archive on a connection of its
// own and, while its range ends now, takes each new minute into the charts without reading the
// range again. Further pages join its tabs through addPage and follow rangeShown.
#pragma once

#include <QTableWidget>
#include <QWidget>
#include <QtCharts/QChartView>
#include <memory>
#include <optional>
#include <vector>

#include "archive/archive_queries.h"
#include "archive/csv_export.h"
#include "archive/verlauf_range.h"
#include "archive/verlauf_series.h"

class ArchiveWriter;
class DaysTable;
class QDateEdit;
class QLabel;
class QPushButton;
class QScrollArea;
class QTabWidget;
class RecordsTable;
class VerlaufChart;

class VerlaufWindow : public QWidget {
    Q_OBJECT
public:
    explicit VerlaufWindow(QWidget* parent = nullptr);
    ~VerlaufWindow() override;

    // The archive to read (opened afresh, e.g. after the settings changed it).
    void setArchive(const QString& path);
    // New minutes of this writer are drawn while the range ends now.
    void follow(ArchiveWriter* writer);
    // Rows up to this minute are in the archive: a range that ends now takes them in.
    void minuteWritten(qint64 lastMinute);

    void showRange(const VerlaufRange& range);
    const VerlaufRange& range() const { return range_; }
    // The values under the crosshair at this moment (UTC seconds); the text of the value line.
    QString crosshairAt(std::int64_t seconds);

    // The export behind "Exportieren...": false with the reason shown when it cannot be written.
    bool exportCsvTo(const QString& path, CsvRows rows);
    bool exportPngTo(const QString& path);
    // The charts as the PNG export writes them: the range as a title above, no crosshair.
    QImage chartsPicture();

    // A further page beside "Diagramme", "Rekorde" and "Tageswerte".
    void addPage(QWidget* page, const QString& title);
    // The archive the window reads (none before setArchive).
    ArchiveReader* reader() const { return reader_.get(); }

    static constexpr int kChartCount = 5;
    QChartView* chartView(int index) const;

signals:
    // A new range is shown (by a button, a date or the move to the next minute).
    void rangeShown(const VerlaufRange& range);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildRangeRow();
    QWidget* buildChartPage();
    void reload();
    void drawCharts();
    void redrawLater();
    void alignCharts();
    void fillTables(bool all);
    void showRangeText();
    void applyCustomRange();
    int pointBudget() const;
    void moveCrosshair(QChartView* view, const QPointF& position);
    void placeCrosshair();
    void chooseExport();

    QString path_;
    std::unique_ptr<ArchiveReader> reader_;
    VerlaufRange range_;
    VerlaufSeries series_;
    std::vector<VerlaufChart*> charts_;
    std::optional<std::int64_t> crosshair_;  // the moment under the crosshair (UTC seconds)
    bool redrawDue_ = false;
    bool tablesStale_ = false;
    QWidget* chartArea_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    RecordsTable* records_ = nullptr;
    DaysTable* days_ = nullptr;
    QLabel* rangeLabel_ = nullptr;
    QLabel* valueLine_ = nullptr;
    QPushButton* forward_ = nullptr;
    QDateEdit* fromEdit_ = nullptr;
    QDateEdit* toEdit_ = nullptr;
    QPushButton* showCustom_ = nullptr;
    QWidget* customRow_ = nullptr;
};
