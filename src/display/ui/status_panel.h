// One panel of the main window's status bar: a sunken frame with one line of text. Unlike a
// QLabel it asks the status bar for a new layout only when its text no longer fits, so the
// countdowns that change every second repaint their own panel and nothing else.
#pragma once

#include <QFrame>

class StatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit StatusPanel(const QString& text = QString(), QWidget* parent = nullptr);

    QString text() const { return text_; }
    // An unchanged text does nothing; a longer one widens the panel (and the window's least width).
    void setText(const QString& text);
    // The width that shows `text` whole with the frame and the margins.
    int widthFor(const QString& text) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int indent() const;

    QString text_;
    QString measuredShape_;  // the last measured text with its digits as 0
};
