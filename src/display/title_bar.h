// The caption and the six status panels as the main window shows them; the headless program
// prints them as one status line. Until the first refresh only the caption and panel 0 show
// anything.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

#include "display/status_texts.h"

class TitleBar {
public:
    // Titelleiste: the caption and panels 1 to 5 now show the given values at the moment now.
    // The texts are formatted when they are read, so a refresh every second costs next to nothing.
    void refresh(const StatusInputs& in, const QDateTime& now);
    // Panel 0: the ASYNOP status text.
    void setAsynopPanel(const QString& text) { asynopPanel_ = text; }

    QString caption() const;
    std::array<QString, 6> panels() const;
    // Caption and the panels that show something, in one line, separated by " | ".
    QString line() const;

private:
    struct Shown {
        StatusInputs inputs;
        QDateTime now;
    };
    std::optional<Shown> shown_;  // empty until the first refresh
    QString asynopPanel_ = designedPanelTexts()[0];
};
