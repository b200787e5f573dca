#include "display/ui/status_panels.h"

#include "display/ui/status_panel.h"

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    const std::array<const char*, kPanels> design = {"ASYNOP:",      "Import: 123min",
                                                     "Read: 123min", "Wetterlog: 123min",
                                                     "APRS: 1min",   "Laufzeit: 12:34"};
    const std::array<int, kPanels> widths = {100, 100, 100, 100, 100, 50};
    for (int i = 0; i < kPanels; ++i) {
        // Panels 1 to 5 stay empty until the scheduler first fills them: their design texts
        // ("Import: 123min") would read like countdowns.
        auto* label = new StatusPanel(i == 0 ? QString::fromUtf8(design[0]) : QString(), this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // The designed widths, or what the longest countdown needs in this font; the last
        // panel's longest text is the lost station's.
        const QString longest = i == kPanels - 1
                                    ? QStringLiteral("Keine Verbindung zur Station seit 00:00")
                                    : QStringLiteral("Wetterlog: 123:59");
        label->setMinimumWidth(std::max({widths[std::size_t(i)], label->widthFor(longest),
                                         label->widthFor(QString::fromUtf8(design[std::size_t(i)])),
                                         label->minimumWidth()}));
        // The last panel takes the remaining width.
        addWidget(label, i == kPanels - 1 ? 1 : 0);
        panels_[std::size_t(i)] = label;
    }
}

QString StatusPanels::text(int panel) const {
    return panels_[std::size_t(panel)]->text();
}

void StatusPanels::setText(int panel, const QString& text) {
    panels_[std::size_t(panel)]->setText(text);
}
