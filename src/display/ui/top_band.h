// The band at the top of the main window (CoolBar1): the "Aktiv" tool button and the receive lamp,
// the station's time and date with the console's alarm ("Letzte Abfrage"), the battery lamp with
// the power source ("Batterie:") and the console's display mode ("Display:").
#pragma once

#include <QElapsedTimer>
#include <QWidget>

class Lamp;
class QAction;
class QLabel;
class QTimer;
class QToolButton;

class TopBand : public QWidget {
    Q_OBJECT
public:
    TopBand(QAction* activeAction, QWidget* parent = nullptr);

    QToolButton* activeButton() const { return activeButton_; }
    Lamp* batteryLamp() const { return battery_; }
    Lamp* receiveLamp() const { return receive_; }
    bool receiving() const;

    // The receive lamp shows that bytes came. While the program's seconds come (`secondPassed`),
    // it shows at each second whether bytes came during the one before, so that it changes in the
    // same repaint as the status bar's countdowns instead of waking the program on its own; without
    // seconds (the switch off) it lights at once and goes out 1.25 s later.
    void bytesReceived();
    void secondPassed();

private:
    QToolButton* activeButton_;
    Lamp* receive_;
    Lamp* battery_;
    QTimer* receiveOff_;  // puts the lamp out when no second comes
    QElapsedTimer lastSecond_;
    bool bytesThisSecond_ = false;
};
