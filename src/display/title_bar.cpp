#include "display/title_bar.h"

#include <QStringList>

void TitleBar::refresh(const StatusInputs& in, const QDateTime& now) {
    shown_ = Shown{in, now};
}

QString TitleBar::caption() const {
    return shown_ ? captionText(shown_->inputs.active) : QString::fromLatin1(kDesignedCaption);
}

std::array<QString, 6> TitleBar::panels() const {
    std::array<QString, 6> panels =
        shown_ ? statusTexts(shown_->inputs, shown_->now).panels : designedPanelTexts();
    panels[0] = asynopPanel_;
    return panels;
}

QString TitleBar::line() const {
    QStringList parts{caption()};
    // Panels that show nothing yet are left out.
    for (const QString& panel : panels())
        if (!panel.isEmpty())
            parts << panel;
    return parts.join(QStringLiteral(" | "));
}
