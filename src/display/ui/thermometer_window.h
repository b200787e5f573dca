// The mercury thermometer (analog): one of five temperatures as the red column of a thermometer on
// a wooden board, its caption in the panel at the top, whose click opens the choice of quantity.
// The column is redrawn once a second while the window is visible.
#pragma once

#include <QWidget>

#include "display/thermometer_geometry.h"

class QMenu;
class QTimer;
class CaptionPanel;
class ThermometerPicture;
class MercuryColumn;

class ThermometerWindow : public QWidget {
    Q_OBJECT
public:
    explicit ThermometerWindow(const WeatherRecord& record, QWidget* parent = nullptr);

    // Sets the quantity, the caption, and redraws the column (the menu's five commands).
    void setQuantity(ThermometerQuantity quantity);
    ThermometerQuantity quantity() const { return quantity_; }
    // Redraws the column from the record (Timer1's tick).
    void Timer1Timer();
    // The program's second: while it comes, the column is redrawn with it, in the same wake-up as
    // the main window's refresh, and Timer1 waits half a second longer, so that it stands in only
    // when no second comes (the switch off).
    void secondPassed();

    QWidget* panel() const;
    QWidget* column() const;
    QMenu* PopupMenu1() const { return popup_; }
    bool timerRunning() const;

signals:
    void hidden();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeColumnAcross();
    void layOut();

    const WeatherRecord& record_;
    ThermometerQuantity quantity_ = ThermometerQuantity::OutdoorTemp;
    CaptionPanel* panel_;
    ThermometerPicture* picture_;
    MercuryColumn* balken_;
    QTimer* timer_;
    QMenu* popup_;
    bool resizing_ = false;
};
