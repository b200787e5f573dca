#include "display/ui/status_panels.h"

#include <QLabel>

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    const std::array<const char*, kPanels> design = {"ASYNOP:",      "Import: 123min",
                                                     "Read: 123min", "Wetterlog: 123min",
                                                     "APRS: 1min",   "Laufzeit: 12:34"};
    const std::array<int, kPanels> widths = {100, 100, 100, 100, 100, 50};
    for (int i = 0; i < kPanels; ++i) {
        // Panels 1 to 5 stay empty until the scheduler first fills them: their design texts
        // ("Import: 123min") would read like countdowns.
        auto* label = new QLabel(i == 0 ? QString::fromUtf8(design[0]) : QString(), this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // The designed widths, or what the longest countdown needs in this font.
        const int needed =
            label->fontMetrics().horizontalAdvance(QStringLiteral("Wetterlog: 123:59")) + 8;
        // The last panel's longest text is the lost station's.
        const int neededLast = label->fontMetrics().horizontalAdvance(
                                   QStringLiteral("Keine Verbindung zur Station seit 00:00")) +
                               8;
        label->setMinimumWidth(
            std::max(widths[std::size_t(i)], i == kPanels - 1 ? neededLast : needed));
        label->setMinimumWidth(std::max(
            label->minimumWidth(),
            label->fontMetrics().horizontalAdvance(QString::fromUtf8(design[std::size_t(i)])) + 8));
        // The last panel takes the remaining width.
        addWidget(label, i == kPanels - 1 ? 1 : 0);
        panels_[std::size_t(i)] = label;
    }
}

QString StatusPanels::text(int panel) const {
    return panels_[std::size_t(panel)]->text();
}

void StatusPanels::setText(int panel, const QString& text) {
    QLabel* label = panels_[std::size_t(panel)];
    if (label->text() != text) {
        label->setText(text);
        // A panel grows to show a longer text whole, and the window's least width with it.
        if (label->sizeHint().width() > label->minimumWidth())
            label->setMinimumWidth(label->sizeHint().width());
    }
}
