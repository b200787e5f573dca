// The COM data window's view: paints the receive monitor on black, long lines wrapped at the
// view's width, or the hex dump of the same bytes; follows new data while scrolled to the end.
#pragma once

#include <QAbstractScrollArea>

class HexDump;
class TerminalScreen;

class TerminalView : public QAbstractScrollArea {
    Q_OBJECT
public:
    TerminalView(const TerminalScreen& screen, const HexDump& hex, QWidget* parent = nullptr);

    bool hexMode() const { return hex_mode_; }
    void setHexMode(bool on);
    // The models changed: recount the rows and repaint when shown.
    void modelChanged();
    // The view's width that shows a whole hex line.
    int hexLineWidth() const;
    // Rows the view shows at once (the terminal's screen for cursor addressing).
    int visibleRows() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    int columns() const;
    int rowCount() const;
    void updateScrollBars();

    const TerminalScreen& screen_;
    const HexDump& hex_;
    bool hex_mode_ = false;
    int hexWidth_ = 0;
    int charWidth_ = 8;
    int lineHeight_ = 16;
    int ascent_ = 12;
};
