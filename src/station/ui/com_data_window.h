// The COM data window ("Comport Input: <port>"): a receive monitor of every byte that arrives on
// the serial port, as terminal text with its ANSI/VT100 controls carried out, or switched to a hex
// dump of the same bytes. It keeps receiving while hidden.
#pragma once

#include <QByteArrayView>
#include <QWidget>

#include "station/monitor/hex_dump.h"
#include "station/monitor/terminal_screen.h"

class QAction;
class TerminalView;

class ComDataWindow : public QWidget {
    Q_OBJECT
public:
    explicit ComDataWindow(QWidget* parent = nullptr);

    void setPortName(const QString& port);
    void bytesReceived(QByteArrayView bytes);

    const TerminalScreen& screen() const { return screen_; }
    const HexDump& hexDump() const { return hex_; }
    TerminalView* view() const { return view_; }
    QAction* hexAction() const { return hexAction_; }

    // Writes the kept raw bytes to a file; false with *error set when that fails.
    bool dumpTo(const QString& path, QString* error) const;

signals:
    void hidden();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TerminalScreen screen_;
    HexDump hex_;
    TerminalView* view_;
    QAction* hexAction_;
    QString port_;
};
