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

    // Lights the receive lamp; it goes out when no bytes have come for a moment: at the first
    // second's refresh (`secondPassed`) a quarter second after them, so that the lamp's going
    // out is painted with the status bar's countdowns instead of waking the program on its own,
    // or after 1.25 s when no second is refreshed.
    void bytesReceived();
    void secondPassed();

private:
    QToolButton* activeButton_;
    Lamp* receive_;
    Lamp* battery_;
    QTimer* receiveOff_;
    QElapsedTimer sinceBytes_;
};
