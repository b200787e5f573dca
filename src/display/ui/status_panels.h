// The main window's status bar (StatusBar1): six panels with their design texts. Panel 0 shows the
// ASYNOP status, panels 1 to 5 the countdowns and the run time of the title refresh.
#pragma once

#include <QStatusBar>
#include <array>

class StatusPanel;

class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanels = 6;
    explicit StatusPanels(QWidget* parent = nullptr);

    QString text(int panel) const;
    // Changes the panel's text only when it differs, so an unchanged tick repaints nothing; a
    // changed one repaints that panel alone.
    void setText(int panel, const QString& text);

private:
    std::array<StatusPanel*, kPanels> panels_{};
};
