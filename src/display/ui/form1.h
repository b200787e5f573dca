// The main window (Form1): the value boxes with their labels and gauges, the top band, the status
// bar, the menus "&Datei" and "Debug" with the three link diagnostics windows, and the context
// menu that colours and re-fonts the boxes. It shows what the display core computes and passes
// every command on; it decides nothing itself.
#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "display/fill_display.h"

class ChecksumWindow;
class ColumnsArea;
class ComDataWindow;
class FontChoiceDialog;
class MainWindowActions;
class QColorDialog;
class QLabel;
class QProgressBar;
class StatusPanels;
class TopBand;
class ValueBox;
class Wind5Window;
struct MainMenu;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    void setActions(MainWindowActions* actions) { actions_ = actions; }
    // Called with a box number when "graphische Anzeige..." is chosen on a box; unset, the item
    // does nothing.
    std::function<void(int box)> graphicView;
    // Called with the gust (tenths of m/s) at every refresh; the wind rose hangs here.
    std::function<void(std::uint16_t gust)> roseUpdate;
    // The folder the COM data dump dialog starts in.
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }

    // Rewrites the display from the station data (after every good group and every server
    // message).
    void FillDisplay(const StationData& station);
    // The same for the boxes of the groups that came (and the station clock).
    void FillDisplay(const StationData& station, const DisplayGroups& groups);
    // Applies a computed refresh; returns how many widgets actually changed.
    int applyRefresh(const DisplayRefresh& refresh);

    // The caption and status panels 1 to 5 (panel 0 is the ASYNOP status).
    void Titelleiste(const QString& caption, const std::array<QString, 5>& panels);
    void setAsynopStatus(const QString& text);
    QString statusText(int panel) const;

    // The "Aktiv" switch as the scheduler has it (for a start in the active state).
    void setActive(bool active);
    bool isActive() const;

    // Serial link events for the diagnostics: every received chunk, every checksum result.
    void bytesReceived(QByteArrayView bytes);
    void checksumResult(int row, const QString& text);
    void setPortName(const QString& port);

    ValueBox* box(int number) const;
    QLabel* label(const QString& name) const;
    TopBand* topBand() const { return topBand_; }
    ColumnsArea* columns() const { return columns_; }
    MainMenu& menu() const { return *menu_; }
    ComDataWindow* comDataWindow() const { return comData_; }
    ChecksumWindow* checksumWindow() const { return checksums_; }
    Wind5Window* wind5Window() const { return wind5_; }
    QColorDialog* colorDialog() const { return colorDialog_; }
    FontChoiceDialog* fontDialog() const { return fontDialog_; }

public slots:
    // Context menu commands on the component the menu was opened on ("GroupBox2" ... or the
    // window itself).
    void Farben2Click(const QString& component);
    void Zeichen1Click(const QString& component);
    void qsthermoClick(const QString& component);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectMenus();
    void openPopup(const QString& component, const QPoint& globalPos);
    void toggleToolWindow(QWidget* window);
    void dumpComData();

    std::unique_ptr<MainMenu> menu_;
    TopBand* topBand_;
    ColumnsArea* columns_;
    StatusPanels* status_;
    ComDataWindow* comData_;
    ChecksumWindow* checksums_;
    Wind5Window* wind5_;
    QColorDialog* colorDialog_;
    FontChoiceDialog* fontDialog_;
    // Looked up by name at every refresh, so found once.
    QHash<QString, QLabel*> labels_;
    QHash<QString, QProgressBar*> bars_;
    MainWindowActions* actions_ = nullptr;
    QString popupComponent_;
    QString programFolder_;
};
